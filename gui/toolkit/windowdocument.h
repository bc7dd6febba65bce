#pragma once

#include <functional>

#include <QString>

class QLineEdit;
class QWidget;

// A window's inputs as a document: whether they changed since they were opened or saved,
// the question before a change is lost (保存, 不保存, 取消), and the file chosen to save
// them in. The windows of the pair and the spline share it; tests script both dialogs
// through the toolkit's sinks.
namespace geardim {

// A file to save, chosen in the toolkit's dialog; its suffix added when the name has none.
// Empty when cancelled.
QString chooseSavePath(QWidget *window, const QString &title, const QString &filter, const QString &suggested,
                       const QString &suffix);

class WindowDocument {
public:
    struct Kind {
        QString name;       // in the question: 齿轮副, 花键
        QString saveTitle;  // the save dialog's title
        QString filter;     // its filter
        QString suggested;  // the name it suggests
        QString suffix;     // added to a name without one
    };
    // save writes the inputs to the path and says in the window how it went.
    WindowDocument(QWidget *window, Kind kind, std::function<bool(const QString &path)> save);

    bool modified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }
    // A change typed into edit marks the document modified.
    void watch(QLineEdit *edit);

    // The path to save the document in, chosen by the user; empty when cancelled.
    QString chooseSavePath() const;
    // Asks and saves; false when the user cancels or the save fails.
    bool saveAs();
    // Whether the inputs may be replaced or left: nothing changed, saved, or let go.
    bool maySwitch();

private:
    QWidget *window_;
    Kind kind_;
    std::function<bool(const QString &)> save_;
    bool modified_ = false;
};

} // namespace geardim

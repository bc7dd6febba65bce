#pragma once

#include <QByteArray>
#include <QStringList>

#include <vector>

// A program's argc and argv from a list of arguments, as main() gets them: the texts
// live as long as this object, and argv ends with a null pointer.
class Arguments {
public:
    explicit Arguments(const QStringList &arguments)
    {
        for (const QString &a : arguments)
            storage_.push_back(a.toUtf8());
        for (QByteArray &a : storage_)
            pointers_.push_back(a.data());
        pointers_.push_back(nullptr);
        argc = int(storage_.size());
    }
    Arguments(const Arguments &) = delete;
    Arguments &operator=(const Arguments &) = delete;

    char **argv() { return pointers_.data(); }
    // What argv holds now, up to argc (a function may have taken arguments out).
    QStringList left() const
    {
        QStringList seen;
        for (int i = 0; i < argc; ++i)
            seen << QString::fromUtf8(pointers_[std::size_t(i)]);
        return seen;
    }

    int argc = 0;

private:
    std::vector<QByteArray> storage_;
    std::vector<char *> pointers_;
};

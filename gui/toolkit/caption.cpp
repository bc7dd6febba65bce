#include "gui/toolkit/caption.h"

#include <QKeyEvent>

#include <QFontInfo>
#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextOption>

#include <algorithm>

namespace geardim {
namespace {

int linePitch(const QFont &font) { return QFontInfo(font).pixelSize() + 1; }

// Lays the caption out in lines of at most width pixels, centred, lines at the pitch.
int layOut(QTextLayout &layout, const QFont &font, int width, int *widest)
{
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setFont(font);
    layout.setTextOption(option);
    const int pitch = linePitch(font);
    int lines = 0;
    double wide = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, lines * pitch));
        wide = std::max(wide, line.naturalTextWidth());
        ++lines;
    }
    layout.endLayout();
    if (widest)
        *widest = static_cast<int>(std::ceil(wide));
    return lines;
}

} // namespace

CaptionBlock captionBlock(const QFont &font, const QString &text, int width)
{
    QTextLayout layout(text);
    CaptionBlock block;
    block.lines = layOut(layout, font, width, &block.widest);
    block.inkHeight = block.lines * linePitch(font);
    return block;
}

QRect WrapButton::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

void WrapButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect area = captionRect();
    QTextLayout layout(text());
    const int lines = layOut(layout, font(), area.width(), nullptr);
    const QFontMetrics metrics(font());
    const int em = QFontInfo(font()).pixelSize();
    // Centre the glyphs, not the line boxes: a glyph's ink rises about 0.88 em above its baseline.
    const double top = area.top() + (area.height() - lines * linePitch(font())) / 2.0 + 0.88 * em - metrics.ascent();
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    layout.draw(&painter, QPointF(area.left(), top));
}

void WrapButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !(event->modifiers() & ~Qt::KeypadModifier)) {
        if (isEnabled())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace geardim

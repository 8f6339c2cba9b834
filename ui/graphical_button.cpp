#include "ui/graphical_button.h"

#include <QPainter>
#include <qdrawutil.h>

#include <utility>

namespace velomar {

GraphicalButton::GraphicalButton(const QString& caption, QColor faceColour, QImage picture,
                                 QWidget* parent)
    : QPushButton(caption, parent)
    , m_faceColour(faceColour)
    , m_picture(std::move(picture))
{
    // A QPushButton answers Enter only in a dialog; this one answers it wherever it has the focus.
    setAutoDefault(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphicalButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect face = rect();
    const bool down = isDown();
    const int shift = down ? 1 : 0;

    painter.fillRect(face, m_faceColour);
    const QPoint pictureAt((face.width() - m_picture.width()) / 2 + shift,
                           (face.height() - m_picture.height()) / 2 + shift);
    painter.drawImage(pictureAt, m_picture);

    qDrawWinButton(&painter, face, palette(), down);

    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(face.translated(shift, shift), Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QPen dotted(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.drawRect(face.adjusted(4, 4, -5, -5));
    }
}

} // namespace velomar

#pragma once

#include <QImage>
#include <QPushButton>

namespace velomar {

// A push button with a picture on its face: the face colour, the picture centred over it and
// clipped by the button, a classic raised bevel, the caption and a dotted focus rectangle.
class GraphicalButton : public QPushButton
{
    Q_OBJECT

public:
    GraphicalButton(const QString& caption, QColor faceColour, QImage picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_faceColour;
    QImage m_picture;
};

} // namespace velomar

#pragma once

#include "calc/trade_figures.h"

#include <QImage>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velomar {

// The program's one window: the four number fields, the direction, the hints and the
// "Számol" button, laid out at fixed positions over a hatched background.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The one command of the window: calculates the current texts and shows the answer.
    void calculate();
    QWidget* fieldWidget(TicketField field) const;
    QLabel* addLabel(const char* name, const QString& text, QRect geometry);
    QLineEdit* addTextBox(const char* name, const QString& text, QRect geometry,
                          const QString& accessibleName);

    QImage m_background;
    QLineEdit* m_capital = nullptr;
    QLineEdit* m_entry = nullptr;
    QLineEdit* m_target = nullptr;
    QLineEdit* m_stop = nullptr;
    QComboBox* m_direction = nullptr;
    QPushButton* m_calculate = nullptr;
};

} // namespace velomar

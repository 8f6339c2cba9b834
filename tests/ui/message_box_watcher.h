#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// Watches for the application's modal message boxes while a test drives the window: records
// each box as it shows and dismisses it with a real click on its OK button, as a user would.
class MessageBoxWatcher
{
public:
    struct SeenBox {
        QString caption;
        QString text;      // as the box holds it
        QString shownText; // as its label shows it
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool hasIconPixmap = false;
        Qt::TextFormat textFormat = Qt::AutoText;
        QStringList buttons;
        QWidget* owner = nullptr;
        bool modal = false;
    };

    MessageBoxWatcher()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    const QList<SeenBox>& boxes() const { return m_boxes; }

private:
    void poll()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible() || box == m_closing) {
            return;
        }
        SeenBox seen;
        seen.caption = box->windowTitle();
        seen.text = box->text();
        if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            seen.shownText = label->text();
        }
        seen.icon = box->icon();
        seen.hasIconPixmap = !box->iconPixmap().isNull();
        seen.textFormat = box->textFormat();
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
        }
        seen.owner = box->parentWidget();
        seen.modal = box->isModal();
        m_boxes << seen;

        m_closing = box;
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        if (ok != nullptr) {
            QTest::mouseClick(ok, Qt::LeftButton);
        } else {
            box->reject();
        }
        m_closing = nullptr;
    }

    QTimer m_timer;
    QList<SeenBox> m_boxes;
    QMessageBox* m_closing = nullptr;
};

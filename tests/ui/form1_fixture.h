#pragma once

#include "ui/form1.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace velomar {

// What the window tests share: a shown Form1, its controls by name, and the control that has
// the focus (the combo box's edit field has it on the box's behalf).
class Form1Fixture
{
protected:
    void showForm()
    {
        m_form = std::make_unique<Form1>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void closeForm() { m_form.reset(); }

    template <typename T> T* control(const char* name) const
    {
        auto* widget = m_form->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no control %s", name);
        }
        return widget;
    }

    // Once the window has the focus back after a message box.
    static QString focusedControl()
    {
        [[maybe_unused]] const bool focused =
            QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; });
        QWidget* focus = QApplication::focusWidget();
        if (focus != nullptr && focus->objectName().isEmpty()) {
            focus = focus->parentWidget();
        }
        return focus != nullptr ? focus->objectName() : QString();
    }

    std::unique_ptr<Form1> m_form;
};

} // namespace velomar

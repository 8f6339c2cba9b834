#include "ui/form1.h"

#include "calc/result_message.h"
#include "ui/application_identity.h"
#include "ui/calculate_command.h"
#include "ui/graphical_button.h"
#include "ui/hatch.h"
#include "ui/message_box.h"
#include "ui/packed_picture.h"
#include "ui/standard_fonts.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QCompleter>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace velomar {

namespace {

const QColor kBackgroundColour(81, 133, 201);
const QColor kForegroundColour(128, 128, 255);
const QColor kButtonFaceColour(128, 128, 255);
constexpr QSize kClientSize(twips(5865), twips(4140));
constexpr QSize kBackgroundPictureSize(399, 289);
constexpr QSize kButtonPictureSize(112, 34);
constexpr int kTextBoxMaxLength = 11;

QString fieldLabel(TicketField field)
{
    return QString::fromUtf8(fieldName(field));
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_background(hatchPicture(kBackgroundPictureSize))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kProductName.toString());
    setFixedSize(kClientSize);
    setAttribute(Qt::WA_OpaquePaintEvent);

    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(packedPicture(QStringLiteral(":/velomar/icon-16.picture"))));
    icon.addPixmap(QPixmap::fromImage(packedPicture(QStringLiteral(":/velomar/icon-32.picture"))));
    setWindowIcon(icon);

    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackgroundColour);
    colours.setColor(QPalette::WindowText, kForegroundColour);
    // The text boxes and the direction box take their text colour from here.
    colours.setColor(QPalette::Text, kForegroundColour);
    setPalette(colours);
    setFont(standardFont());

    // The controls are made in tab-index order, which makes Qt's focus chain the tab order.
    QLabel* capitalLabel =
        addLabel("Label1", QStringLiteral("Szabad tőke: "), twipsRect(120, 720, 1695, 255));
    QLabel* entryLabel =
        addLabel("Label2", QStringLiteral("Belépési pont:"), twipsRect(120, 1080, 1695, 255));
    QLabel* targetLabel =
        addLabel("Label3", QStringLiteral("Cél árfolyam:"), twipsRect(120, 1440, 1695, 255));
    QLabel* stopLabel =
        addLabel("Label4", QStringLiteral("Stop-Loss:"), twipsRect(120, 1800, 1695, 255));
    QLabel* directionLabel =
        addLabel("Label5", QStringLiteral("Kereskedés iránya:"), twipsRect(120, 2160, 1695, 255));

    m_calculate = new GraphicalButton(QStringLiteral("Számol"), kButtonFaceColour,
                                      hatchPicture(kButtonPictureSize), this);
    m_calculate->setObjectName(QStringLiteral("Command1"));
    m_calculate->setGeometry(twipsRect(1680, 2880, 1335, 375));
    m_calculate->setAccessibleName(m_calculate->text());
    connect(m_calculate, &QPushButton::clicked, this, &Form1::calculate);

    m_capital = addTextBox("Text1", QStringLiteral("5"), twipsRect(1800, 720, 1095, 285),
                           fieldLabel(TicketField::Capital));
    m_entry = addTextBox("Text2", QStringLiteral("15620"), twipsRect(1800, 1080, 1095, 285),
                         fieldLabel(TicketField::Entry));
    m_target = addTextBox("Text3", QStringLiteral("15700"), twipsRect(1800, 1440, 1095, 285),
                          fieldLabel(TicketField::Target));
    m_stop = addTextBox("Text4", QStringLiteral("15580"), twipsRect(1800, 1800, 1095, 285),
                        fieldLabel(TicketField::Stop));

    m_direction = new QComboBox(this);
    m_direction->setObjectName(QStringLiteral("Combo1"));
    m_direction->setGeometry(twipsRect(1800, 2160, 1095, 315));
    m_direction->setEditable(true);
    m_direction->addItems({QStringLiteral("Long"), QStringLiteral("Short")});
    // Keep what the user types exactly as typed. By default an editable combo box completes
    // inline, and on Enter or focus-out replaces a text that matches an item regardless of
    // case ("long" becomes "Long") or appends it to the list. An empty, case-sensitive
    // completer stops the completion and makes that matching case-sensitive.
    m_direction->setInsertPolicy(QComboBox::NoInsert);
    auto* exactMatch = new QCompleter(m_direction);
    exactMatch->setCaseSensitivity(Qt::CaseSensitive);
    m_direction->setCompleter(exactMatch);
    m_direction->setAccessibleName(fieldLabel(TicketField::Direction));

    auto* title = addLabel("Label7", kProductName.toString(), twipsRect(1080, 120, 3975, 615));
    title->setFont(titleFont());
    addLabel("Label8", QStringLiteral("A szabad tőke $-ban értendő."),
             twipsRect(3600, 720, 2535, 255));
    addLabel(
        "Label9",
        QStringLiteral("A pozíció mérete a 100 X-os tőkeáttételt figyelembe véve kalkulálódik."),
        twipsRect(3600, 1680, 2535, 615));
    addLabel("Label6", QStringLiteral("Az értékek tizedes jel nélkül"),
             twipsRect(3600, 1080, 2415, 255));
    addLabel("Label10", QStringLiteral("írandók be."), twipsRect(3600, 1320, 2295, 255));
    addLabel("Label11", QStringLiteral("© 2026 Velomar Software"), twipsRect(120, 3840, 2655, 375));

    auto* emblem = new QLabel(this);
    emblem->setObjectName(QStringLiteral("Image1"));
    emblem->setGeometry(twipsRect(3600, 2400, 2175, 1650));
    emblem->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    emblem->setPixmap(
        QPixmap::fromImage(packedPicture(QStringLiteral(":/velomar/emblem.picture"))));
    emblem->setAccessibleName(QStringLiteral("Velomar Software embléma"));

    capitalLabel->setBuddy(m_capital);
    entryLabel->setBuddy(m_entry);
    targetLabel->setBuddy(m_target);
    stopLabel->setBuddy(m_stop);
    directionLabel->setBuddy(m_direction);

    m_calculate->setFocus();
}

QLabel* Form1::addLabel(const char* name, const QString& text, QRect geometry)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    // Where the box reaches past the window's right edge, wrap the text before that edge so
    // that no word is cut off.
    const int overhang = geometry.right() + 1 - kClientSize.width();
    if (overhang > 0) {
        label->setContentsMargins(0, 0, overhang, 0);
    }
    return label;
}

QLineEdit* Form1::addTextBox(const char* name, const QString& text, QRect geometry,
                             const QString& accessibleName)
{
    auto* box = new QLineEdit(text, this);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    box->setMaxLength(kTextBoxMaxLength);
    box->setAccessibleName(accessibleName);
    return box;
}

void Form1::calculate()
{
    const TradeTicket ticket = makeTicket(m_capital->text(), m_entry->text(), m_target->text(),
                                          m_stop->text(), m_direction->currentText());
    const CommandReply reply = calculateCommand(ticket, locale());
    showMessage(this, reply.message, ApplicationTitle.toString());
    // Take the activation back from the closed box rather than leave it to the window manager,
    // which may give it elsewhere or, where there is none, to no window at all.
    activateWindow();
    if (reply.faultyField) {
        fieldWidget(*reply.faultyField)->setFocus(Qt::OtherFocusReason);
    }
}

QWidget* Form1::fieldWidget(TicketField field) const
{
    switch (field) {
    case TicketField::Capital:
        return m_capital;
    case TicketField::Entry:
        return m_entry;
    case TicketField::Target:
        return m_target;
    case TicketField::Stop:
        return m_stop;
    case TicketField::Direction:
        return m_direction;
    }
    return m_calculate;
}

void Form1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackgroundColour);
    painter.drawImage(QPoint(0, 0), m_background);
}

} // namespace velomar

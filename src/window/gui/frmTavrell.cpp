#include "window/gui/frmTavrell.h"

#include "window/StartupDefaults.h"
#include "window/UpdateCommand.h"
#include "window/gui/FlexGrid.h"
#include "window/gui/MessageBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace lostrand {

namespace {

// Ends the process without unwinding the run that may be under way.
void exitAtOnce(int code)
{
    std::_Exit(code);
}

frmTavrell::ExitHook& exitHook()
{
    static frmTavrell::ExitHook hook = exitAtOnce;
    return hook;
}

enum class Kind
{
    Title,
    Shape,
    Option,
    TextBox,
    Label,
    Check,
    Button,
    Grid
};

// One control as designed: positions in twips, the design caption or text.
struct Design
{
    const char* name;
    Kind kind;
    QString text;
    int left;
    int top;
    int width;
    int height;
};

// In creation order, so the shapes lie behind what they frame.
const Design Controls[] = {
    {"Shape1", Kind::Shape, {}, 120, 120, 14895, 810},
    {"Shape2", Kind::Shape, {}, 120, 960, 14895, 3675},
    {"lblBrandName", Kind::Title, QStringLiteral("Lostrand UD"), 240, 330, 14655, 495},
    {"optAccess", Kind::Option, QStringLiteral("ข้อมูล Access ที่จัดเก็บ Valcorin"), 240, 1080, 4215,
     375},
    {"txtDataValcorin", Kind::TextBox, QStringLiteral("E:\\DataValcorin\\Valcorin.accdb"), 4560,
     1080, 10215, 375},
    {"optSQL", Kind::Option, QStringLiteral("ข้อมูล SQL"), 240, 1560, 1695, 375},
    {"Label4", Kind::Label, QStringLiteral("Server Name"), 2880, 1560, 1575, 375},
    {"txtServer", Kind::TextBox, QStringLiteral("192.168.1.10"), 4560, 1560, 3375, 360},
    {"chkCreateTable", Kind::Check, QStringLiteral("สร้างฐานข้อมูล PriceList ใหม่"), 8040, 1560, 4695,
     375},
    {"Label1", Kind::Label, QStringLiteral("Autherntication"), 2520, 1920, 1935, 375},
    {"txtdbq", Kind::TextBox, QStringLiteral("ZEL_New"), 4560, 1920, 3375, 360},
    {"chkLikelAt", Kind::Check, QStringLiteral("จัดระเบียบเบอร์แทน  UD"), 8040, 1920, 6735, 375},
    {"Label8", Kind::Label, QStringLiteral("Login"), 3720, 2280, 735, 375},
    {"txtuid", Kind::TextBox, QStringLiteral("sa"), 4560, 2280, 1815, 360},
    {"Label7", Kind::Label, QStringLiteral("Password"), 3120, 2640, 1335, 375},
    {"txtpwd", Kind::TextBox, QStringLiteral("Kel5093"), 4560, 2640, 1815, 360},
    {"Label5", Kind::Label, QStringLiteral("ที่จัดเก็บข้อมูลPriceList"), 1920, 3120, 2535, 375},
    {"txtPriceList", Kind::TextBox, QStringLiteral("E:\\DataValcorin\\PriceList_UD.mdb"), 4560,
     3120, 10215, 375},
    {"Label2", Kind::Label, QStringLiteral("ลำดับการทำงาน"), 2520, 3720, 1935, 375},
    {"txtQTY", Kind::TextBox, {}, 4560, 3720, 9255, 375},
    {"cmdUpDate", Kind::Button, QStringLiteral("UpDate"), 13920, 3720, 855, 735},
    {"Label3", Kind::Label, QStringLiteral("เบอร์อะไหล่"), 3120, 4080, 1335, 375},
    {"txtPartNO", Kind::TextBox, {}, 4560, 4080, 9255, 360},
    {"msgDetail", Kind::Grid, {}, 120, 4680, 14895, 5610},
};

// The pump puts what changed on the screen at most this often: about two frames of a 60 Hz
// display, fast enough that the status lines look live, slow enough that painting them costs
// the run next to nothing.
constexpr qint64 RefreshMilliseconds = 25;

bool isStatusLine(const QString& control)
{
    return control == QLatin1String("txtQTY") || control == QLatin1String("txtPartNO");
}

// The window's own size: the controls with a margin of 120 twips.
constexpr int WindowWidth = 15135;
constexpr int WindowHeight = 10410;

int pixels(int twips)
{
    return qRound(static_cast<double>(twips) / FlexGrid::TwipsPerPixel);
}

// A sans face that carries Thai, in the design's sizes.
QFont thaiFont(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Loma"), QStringLiteral("Noto Sans Thai"),
                      QStringLiteral("Tlwg Typo"), QStringLiteral("Sans Serif")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QWidget* makeControl(const Design& d, QWidget* parent)
{
    switch (d.kind) {
    case Kind::Title: {
        auto* label = new QLabel(d.text, parent);
        label->setFont(thaiFont(18, true));
        label->setAlignment(Qt::AlignCenter);
        return label;
    }
    case Kind::Shape: {
        auto* frame = new QFrame(parent);
        frame->setFrameShape(QFrame::Box);
        return frame;
    }
    case Kind::Option: {
        auto* option = new QRadioButton(d.text, parent);
        option->setFont(thaiFont(14.25, false));
        return option;
    }
    case Kind::TextBox: {
        auto* box = new QLineEdit(d.text, parent);
        box->setFont(thaiFont(12, false));
        return box;
    }
    case Kind::Label: {
        // Each caption ends just before its field.
        auto* label = new QLabel(d.text, parent);
        label->setFont(thaiFont(12, true));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    }
    case Kind::Check: {
        auto* check = new QCheckBox(d.text, parent);
        check->setFont(thaiFont(12, true));
        return check;
    }
    case Kind::Button:
        return new QPushButton(d.text, parent);
    case Kind::Grid:
        return new FlexGrid(parent);
    }
    return nullptr;
}

} // namespace

frmTavrell::frmTavrell(const BuildConstants& build, TransferPhases phases, QWidget* parent)
    : QWidget(parent), m_build(build), m_phases(std::move(phases)), m_state(*this)
{
    setObjectName(QStringLiteral("frmTavrell"));
    setWindowTitle(QStringLiteral("Lostrand UD"));
    setFixedSize(pixels(WindowWidth), pixels(WindowHeight));
    createControls();
    Form_Load();
}

frmTavrell::~frmTavrell() = default;

void frmTavrell::setExitHook(ExitHook hook)
{
    exitHook() = hook ? std::move(hook) : exitAtOnce;
}

void frmTavrell::createControls()
{
    auto* targetGroup = new QButtonGroup(this);
    targetGroup->setExclusive(true);
    for (const Design& d : Controls) {
        QWidget* control = makeControl(d, this);
        const QString name = QString::fromLatin1(d.name);
        control->setObjectName(name);
        control->setGeometry(pixels(d.left), pixels(d.top), pixels(d.width), pixels(d.height));
        if (auto* box = qobject_cast<QLineEdit*>(control))
            m_textBoxes.insert(name, box);
        else if (auto* option = qobject_cast<QRadioButton*>(control)) {
            m_options.insert(name, option);
            targetGroup->addButton(option);
        } else if (auto* check = qobject_cast<QCheckBox*>(control))
            m_checks.insert(name, check);
        else if (auto* button = qobject_cast<QPushButton*>(control))
            m_command = button;
        else if (auto* grid = qobject_cast<FlexGrid*>(control))
            m_grid = grid;
    }
    m_options.value(QStringLiteral("optAccess"))->setChecked(true);
    QLineEdit* password = textBox(QStringLiteral("txtpwd"));
    password->setEchoMode(QLineEdit::Password);
    password->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    connect(m_command, &QPushButton::clicked, this, &frmTavrell::cmdUpDate_Click);
}

void frmTavrell::Form_Load()
{
    m_state.UpdateTexts = 1;
    m_state.BrandName = m_build.brand;
    const QString title = StartupDefaults::title(m_build);
    setWindowTitle(title);
    findChild<QLabel*>(QStringLiteral("lblBrandName"))->setText(title);
    m_checks.value(QStringLiteral("chkLikelAt"))
        ->setText(StartupDefaults::regroupCaption(m_state.BrandName));
    m_state.RetryCleanPartNo = 0;

    const StartupDefaults d = StartupDefaults::forSite(m_build.siteCode, m_state.BrandName,
                                                       QCoreApplication::applicationDirPath());
    if (d.sqlServer)
        m_options.value(QStringLiteral("optSQL"))->setChecked(true);
    setText(QStringLiteral("txtDataValcorin"), d.txtDataValcorin);
    setText(QStringLiteral("txtServer"), d.txtServer);
    setText(QStringLiteral("txtdbq"), d.txtdbq);
    setText(QStringLiteral("txtuid"), d.txtuid);
    setText(QStringLiteral("txtpwd"), d.txtpwd);
    setText(QStringLiteral("txtPriceList"), d.txtPriceList);
    m_state.RetryCleanPartNo = d.RetryCleanPartNo;

    SetUpDetailGrid();
}

void frmTavrell::SetUpDetailGrid()
{
    FlexGrid& g = *m_grid;
    g.clearTexts();
    g.setCols(8);
    g.setRows(30);
    g.setFixedCols(1);
    g.setFixedRows(1);
    for (int col = 1; col <= 5; ++col)
        g.setColAlignment(col, Qt::AlignLeft | Qt::AlignVCenter);
    // The fixed column is practically hidden; the description takes what the others leave.
    const std::pair<int, int> widths[] = {{0, 1},    {1, 1200}, {2, 1200}, {3, 2700},
                                          {5, 1800}, {6, 1300}, {7, 1300}};
    for (const auto& [col, twips] : widths)
        g.setColWidthTwips(col, twips);
    g.setColWidthTwips(4, g.widthTwips() - 9890);
    const QString headings[] = {
        {},
        QStringLiteral("     ลำดับ"),
        QStringLiteral("  สินค้าใหม่"),
        QStringLiteral("               รหัสสินค้า"),
        QStringLiteral("                                      รายการ"),
        QStringLiteral("             รุ่น"),
        QStringLiteral("     ราคาเก่า"),
        QStringLiteral("    ราคาใหม่"),
    };
    for (int col = 1; col < 8; ++col)
        g.setTextMatrix(0, col, headings[col]);
    g.publish();
}

void frmTavrell::cmdUpDate_Click()
{
    UpdateCommand::cmdUpDate_Click(m_state, m_phases);
}

void frmTavrell::closeEvent(QCloseEvent* event)
{
    // The close cannot be cancelled, not even in the middle of a run.
    event->accept();
    Form_Unload();
}

void frmTavrell::Form_Unload()
{
    // Nothing of the run is committed here: the database layer drops the transaction in
    // progress and writes out what ran before it, as the engine does when a program ends.
    m_state.closeAtExit();
    exitHook()(0);
}

QLineEdit* frmTavrell::textBox(const QString& control) const
{
    QLineEdit* box = m_textBoxes.value(control);
    if (!box)
        throw std::invalid_argument("no text box named " + control.toStdString());
    return box;
}

QString frmTavrell::text(const QString& control) const
{
    const auto pending = m_statusPending.constFind(control);
    if (pending != m_statusPending.constEnd())
        return pending.value();
    return textBox(control)->text();
}

void frmTavrell::setText(const QString& control, const QString& text)
{
    QLineEdit* box = textBox(control);
    if (!isStatusLine(control)) {
        box->setText(text);
        return;
    }
    if (box->text() == text)
        m_statusPending.remove(control);
    else
        m_statusPending.insert(control, text);
}

void frmTavrell::refreshDisplay()
{
    for (auto it = m_statusPending.constBegin(); it != m_statusPending.constEnd(); ++it)
        textBox(it.key())->setText(it.value());
    m_statusPending.clear();
    m_grid->publish();
    m_sinceRefresh.start();
}

bool frmTavrell::isOptionSet(const QString& control) const
{
    const QRadioButton* option = m_options.value(control);
    if (!option)
        throw std::invalid_argument("no option button named " + control.toStdString());
    return option->isChecked();
}

int frmTavrell::checkValue(const QString& control) const
{
    const QCheckBox* check = m_checks.value(control);
    if (!check)
        throw std::invalid_argument("no check box named " + control.toStdString());
    return check->isChecked() ? 1 : 0;
}

void frmTavrell::pumpEvents()
{
    const bool changed = !m_statusPending.isEmpty() || m_grid->hasUnpublished();
    if (changed && (!m_sinceRefresh.isValid() || m_sinceRefresh.elapsed() >= RefreshMilliseconds))
        refreshDisplay();
    QCoreApplication::processEvents();
}

void frmTavrell::paintNow()
{
    refreshDisplay();
    // A paint of its own, not the frame's: the next pump may come only after the step blocks.
    repaint();
}

// A message, the pointer and the button come at the ends of a run: the screen shows the run's
// last state with them.
void frmTavrell::showMessage(const QString& text, MessageStyle style)
{
    refreshDisplay();
    MessageBox::show(this, text, style);
}

void frmTavrell::setPointer(Pointer pointer)
{
    refreshDisplay();
    setCursor(pointer == Pointer::ArrowHourglass ? Qt::BusyCursor : Qt::ArrowCursor);
}

void frmTavrell::setCommandEnabled(bool enabled)
{
    refreshDisplay();
    m_command->setEnabled(enabled);
}

int frmTavrell::gridRows() const
{
    return m_grid->rowCount();
}

void frmTavrell::setGridRows(int rows)
{
    m_grid->setRows(rows);
}

QString frmTavrell::gridText(int row, int column) const
{
    return m_grid->textMatrix(row, column);
}

void frmTavrell::setGridText(int row, int column, const QString& text)
{
    m_grid->setTextMatrix(row, column, text);
}

void frmTavrell::clearGridData()
{
    m_grid->clearDataTexts();
}

} // namespace lostrand

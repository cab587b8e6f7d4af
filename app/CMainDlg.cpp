// Building the game window, Quick Game, About and the quit question.
#include "CMainDlg.h"

#include "BoardGrid.h"
#include "CAboutDlg.h"
#include "CBoardWnd.h"
#include "DialogUnits.h"
#include "KeyReleaseFilter.h"
#include "LevelList.h"
#include "Resources.h"
#include "SavedGameDrop.h"
#include "UiSeam.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

namespace {

enum class ControlKind { ListBox, PushButton, EditBox, StaticText, CheckBox };

struct ControlSpec {
    int id;
    ControlKind kind;
    const char* caption;
    int x, y, width, height;  // dialog units
    bool visible;
};

// The window's controls in layout order, which is also the tab order.
constexpr ControlSpec Controls[] = {
    {1012, ControlKind::ListBox, "", 140, 316, 108, 44, true},
    {1007, ControlKind::PushButton, "Quick Game", 139, 364, 108, 15, true},
    {1003, ControlKind::PushButton, "Save Game", 0, 297, 108, 15, true},
    {1004, ControlKind::PushButton, "Load Game", 0, 315, 108, 15, true},
    {1011, ControlKind::PushButton, "Give me some help!", 283, 297, 108, 15, true},
    {1008, ControlKind::PushButton, "Done! Am I Right?", 283, 316, 108, 15, true},
    {1009, ControlKind::PushButton, "Print to Paper", 283, 335, 108, 15, true},
    {1001, ControlKind::EditBox, "", 252, 319, 18, 16, false},
    {1000, ControlKind::StaticText, "Static", 0, 1, 391, 294, true},
    {1005, ControlKind::PushButton, "New Game", 110, 313, 46, 15, false},
    {1006, ControlKind::PushButton, "GetAnswer", 109, 330, 56, 15, false},
    {-1, ControlKind::StaticText,
     "Use mouse to highlight the grid, then press Number key to input the number(1-9)\nPress 0 to clear the grid",
     2, 382, 389, 20, true},
    {1014, ControlKind::PushButton, "Get Result", 138, 296, 112, 13, true},
    {1017, ControlKind::CheckBox, "Show small number", 283, 357, 98, 10, true},
    {1013, ControlKind::PushButton, "Input game -> Solve", 0, 333, 108, 15, true},
};

const char* const LevelNames[] = {"Very Easy", "Easy", "Normal", "Hard", "Hell"};

constexpr int GameButtons[] = {1003, 1004, 1014, 1011, 1008, 1009};

// The board frame's size in pixels; the client is one pixel wider than the layout's 587
// so the whole frame fits.
constexpr int BoardWidth = 588;
constexpr int BoardHeight = 442;
constexpr int ClientWidth = 588;
constexpr int ClientHeight = 663;

constexpr int PuzzleLinesInUse = 50;

QWidget* CreateControl(const ControlSpec& spec, QWidget* parent)
{
    const QString caption = QString::fromUtf8(spec.caption);
    QWidget* control = nullptr;
    switch (spec.kind) {
    case ControlKind::ListBox:
        control = new LevelList(parent);
        break;
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);  // Enter must never press a button
        button->setDefault(false);
        control = button;
        break;
    }
    case ControlKind::EditBox: {
        auto* edit = new QLineEdit(parent);
        edit->setReadOnly(true);
        control = edit;
        break;
    }
    case ControlKind::StaticText:
        control = new QLabel(caption, parent);
        control->setFocusPolicy(Qt::NoFocus);
        break;
    case ControlKind::CheckBox:
        control = new QCheckBox(caption, parent);
        break;
    }
    control->setObjectName(QString::number(spec.id));
    control->setGeometry(DialogUnitsToPixels(spec.x, spec.y, spec.width, spec.height));
    control->setVisible(spec.visible);
    return control;
}

}  // namespace

CMainDlg::CMainDlg(UiSeam& ui, const QString& appDir, RandomGenerator& random)
    : CBitmapDialog(QString::fromLatin1(BackgroundPicturePath), nullptr, PictureTiled),
      m_appDir(appDir),
      m_ui(ui),
      m_random(random)
{
    setWindowTitle(QStringLiteral("Brevmark Tessaly for windows"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(TessalyIcon());
    setFixedSize(ClientWidth, ClientHeight);

    CreateControls();
    CreateBoard(random);
    for (const char* name : LevelNames)
        m_levelList->addItem(QString::fromUtf8(name));
    m_levelList->setCurrentRow(0);
    ConnectCommands();
    OnQuickGame();
    m_hintsUsed = 0;
    m_showSmallCheck->setChecked(true);  // as the board's own small-digit flag starts
    new KeyReleaseFilter(this, [this](int virtualKey) { OnKeyRelease(virtualKey); });  // owned by this
    new SavedGameDropFilter(this, [this](const QString& path) { LoadGameFrom(path); });  // owned by this
}

CMainDlg::~CMainDlg() = default;

void CMainDlg::CreateControls()
{
    setFont(DialogFont(font()));

    QWidget* previous = nullptr;
    for (const ControlSpec& spec : Controls) {
        QWidget* control = CreateControl(spec, this);
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
    m_levelList = findChild<QListWidget*>(QStringLiteral("1012"), Qt::FindDirectChildrenOnly);
    m_showSmallCheck = findChild<QCheckBox*>(QStringLiteral("1017"), Qt::FindDirectChildrenOnly);
    m_levelList->setSelectionMode(QAbstractItemView::SingleSelection);
}

void CMainDlg::CreateBoard(RandomGenerator& random)
{
    m_pBoard = new CBoardWnd(this, random);
    QWidget* frame = GetDlgItem(1000);
    frame->setGeometry(0, 0, BoardWidth, BoardHeight);
    m_pBoard->SizeToFrame();
    const QRect frameRect = frame->geometry();
    m_pBoard->CreateCells(Rect{frameRect.left(), frameRect.top(), frameRect.left() + frameRect.width(),
                               frameRect.top() + frameRect.height()});
    m_pBoard->RenderBoard();
    m_pBoard->show();
    m_pBoard->raise();
}

void CMainDlg::ConnectCommands()
{
    const auto button = [this](int id) { return static_cast<QPushButton*>(GetDlgItem(id)); };
    connect(button(1003), &QPushButton::clicked, this, &CMainDlg::OnSaveGame);
    connect(button(1004), &QPushButton::clicked, this, &CMainDlg::OnLoadGame);
    connect(button(1005), &QPushButton::clicked, this, &CMainDlg::OnNewGame);
    connect(button(1006), &QPushButton::clicked, this, &CMainDlg::OnGetAnswer);
    connect(button(1007), &QPushButton::clicked, this, &CMainDlg::OnQuickGame);
    connect(button(1008), &QPushButton::clicked, this, &CMainDlg::OnDone);
    connect(button(1009), &QPushButton::clicked, this, &CMainDlg::OnPrintToPaper);
    connect(button(1011), &QPushButton::clicked, this, &CMainDlg::OnGiveHelp);
    connect(button(1014), &QPushButton::clicked, this, &CMainDlg::OnGetResult);
    connect(m_showSmallCheck, &QCheckBox::clicked, this, &CMainDlg::OnShowSmall);
    connect(button(1013), &QPushButton::clicked, this, &CMainDlg::OnInputGame);
}

QWidget* CMainDlg::GetDlgItem(int id) const
{
    return findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

void CMainDlg::FocusLevelList()
{
    m_levelList->setFocus(Qt::OtherFocusReason);
}

void CMainDlg::EnableGameButtons(bool enable)
{
    for (const int id : GameButtons)
        GetDlgItem(id)->setEnabled(enable);
    if (enable) {
        static_cast<QPushButton*>(GetDlgItem(1013))->setText(QStringLiteral("Input game -> Solve"));
        m_enteringGame = false;
    }
}

void CMainDlg::OnQuickGame()
{
    const int index = m_levelList->currentRow();
    if (index < 0 || m_levelList->selectedItems().isEmpty()) {
        m_ui.ShowMessage(QStringLiteral("Please select a game level"));
        FocusLevelList();
        return;
    }
    const QString path = m_appDir + QStringLiteral("/data.dat");
    // The line is drawn before the level pattern's draws, which fixes each game's numbers.
    const int lineNumber = RandomBelow(m_random, PuzzleLinesInUse) + 1;
    const int level = index + 1;
    const std::optional<PuzzleFileError> error =
        m_pBoard->LoadPuzzle(QFile::encodeName(path).toStdString(), lineNumber, level);
    if (!error) {
        // The buttons are always enabled; this also ends a puzzle entry, which a Quick Game
        // that could not deal leaves running.
        EnableGameButtons(true);
        m_level = level;
        m_hintsUsed = 0;
        ++m_gameGeneration;
    } else {
        QString message = *error == PuzzleFileError::DamagedLine ? QStringLiteral("error! data.dat is damaged")
                                                                 : QStringLiteral("error! can't read data.dat");
        if (!IsBoardEmpty(*m_pBoard))  // the start-up deal has no game to keep
            message += QStringLiteral(", the game on the board stays");
        m_ui.ShowMessage(message);
    }
    FocusLevelList();
}

void CMainDlg::accept()
{
}

void CMainDlg::reject()
{
    if (m_ui.AskQuestion(QStringLiteral("Are you sure to quit?"), QStringLiteral("Question")))
        CBitmapDialog::reject();
}

void CMainDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    CBitmapDialog::keyPressEvent(event);
}

void CMainDlg::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    if (m_pBoard->geometry().contains(event->pos()))
        FillBoardMenu(menu);
    else
        FillContextMenu(menu);
    menu.exec(event->globalPos());
}

void CMainDlg::FillContextMenu(QMenu& menu)
{
    menu.addAction(QStringLiteral("&About Tessaly..."), this, &CMainDlg::ShowAbout);
}

void CMainDlg::ShowAbout()
{
    CAboutDlg about(this);
    about.exec();
}

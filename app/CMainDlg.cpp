// Building the game window, Quick Game, About and the quit question.
#include "CMainDlg.h"

#include "CAboutDlg.h"
#include "CBoardWnd.h"
#include "ControlIds.h"
#include "DialogUnits.h"
#include "KeyReleaseFilter.h"
#include "LevelList.h"
#include "PlayerTexts.h"
#include "PuzzleFile.h"
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
constexpr ControlSpec kControls[] = {
    {IDC_LEVEL_LIST, ControlKind::ListBox, "", 140, 316, 108, 44, true},
    {IDC_QUICK_GAME, ControlKind::PushButton, kQuickGameCaption, 139, 364, 108, 15, true},
    {IDC_SAVE_GAME, ControlKind::PushButton, kSaveGameCaption, 0, 297, 108, 15, true},
    {IDC_LOAD_GAME, ControlKind::PushButton, kLoadGameCaption, 0, 315, 108, 15, true},
    {IDC_GIVE_HELP, ControlKind::PushButton, kGiveHelpCaption, 283, 297, 108, 15, true},
    {IDC_DONE, ControlKind::PushButton, kDoneCaption, 283, 316, 108, 15, true},
    {IDC_PRINT_TO_PAPER, ControlKind::PushButton, kPrintToPaperCaption, 283, 335, 108, 15, true},
    {IDC_HIDDEN_EDIT, ControlKind::EditBox, "", 252, 319, 18, 16, false},
    {IDC_BOARD_FRAME, ControlKind::StaticText, kFrameCaption, 0, 1, 391, 294, true},
    {IDC_NEW_GAME, ControlKind::PushButton, kNewGameCaption, 110, 313, 46, 15, false},
    {IDC_GET_ANSWER, ControlKind::PushButton, kGetAnswerCaption, 109, 330, 56, 15, false},
    {IDC_STATIC, ControlKind::StaticText, kInstructions, 2, 382, 389, 20, true},
    {IDC_GET_RESULT, ControlKind::PushButton, kGetResultCaption, 138, 296, 112, 13, true},
    {IDC_SHOW_SMALL, ControlKind::CheckBox, kShowSmallCaption, 283, 357, 98, 10, true},
    {IDC_INPUT_GAME, ControlKind::PushButton, kInputGameCaption, 0, 333, 108, 15, true},
};

constexpr int kGameButtons[] = {IDC_SAVE_GAME, IDC_LOAD_GAME, IDC_GET_RESULT, IDC_GIVE_HELP, IDC_DONE,
                                IDC_PRINT_TO_PAPER};

// The board frame's size in pixels; the client is one pixel wider than the layout's 587
// so the whole frame fits.
constexpr int kBoardWidth = 588;
constexpr int kBoardHeight = 442;
constexpr int kClientWidth = 588;
constexpr int kClientHeight = 663;

constexpr int kPuzzleLinesInUse = 50;

QWidget* CreateControl(const ControlSpec& spec, QWidget* parent)
{
    const QString caption = Text(spec.caption);
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
    : CBitmapDialog(QString::fromLatin1(kBackgroundPicturePath), nullptr, PictureTiled),
      m_appDir(appDir),
      m_ui(ui),
      m_random(random)
{
    setWindowTitle(Text(kWindowTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(TessalyIcon());
    setFixedSize(kClientWidth, kClientHeight);

    CreateControls();
    CreateBoard();
    for (const char* name : kLevelNames)
        m_levelList->addItem(Text(name));
    m_levelList->setCurrentRow(0);
    ConnectCommands();
    OnQuickGame();
    m_showSmallCheck->setChecked(m_pBoard->ShowsSmallDigits());
    new KeyReleaseFilter(this, [this](int virtualKey, KeyCommand command) { OnKeyRelease(virtualKey, command); });  // owned by this
    new SavedGameDropFilter(this, [this](const QString& path) { LoadGameFrom(path); });  // owned by this
}

CMainDlg::~CMainDlg() = default;

void CMainDlg::CreateControls()
{
    setFont(DialogFont(font()));

    QWidget* previous = nullptr;
    for (const ControlSpec& spec : kControls) {
        QWidget* control = CreateControl(spec, this);
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
    m_levelList = static_cast<QListWidget*>(GetDlgItem(IDC_LEVEL_LIST));
    m_showSmallCheck = static_cast<QCheckBox*>(GetDlgItem(IDC_SHOW_SMALL));
    m_levelList->setSelectionMode(QAbstractItemView::SingleSelection);
}

void CMainDlg::CreateBoard()
{
    SeedFromClock(m_random);
    m_pBoard = new CBoardWnd(this, m_game);
    m_pBoard->setObjectName(QString::number(IDC_BOARD));
    QWidget* frame = GetDlgItem(IDC_BOARD_FRAME);
    frame->setGeometry(0, 0, kBoardWidth, kBoardHeight);
    const QRect frameRect = frame->geometry();
    m_pBoard->SizeToFrame(frameRect);
    m_pBoard->CreateCells(Rect{frameRect.left(), frameRect.top(), frameRect.left() + frameRect.width(),
                               frameRect.top() + frameRect.height()});
    m_pBoard->show();
    m_pBoard->raise();
    connect(m_pBoard, &CBoardWnd::SmallDigitClicked, this,
            [this](int cell, int digit) { m_game.ToggleMark(cell, digit); });
    m_game.Subscribe([this] { ShowEntryState(); });
}

void CMainDlg::ConnectCommands()
{
    const auto button = [this](int id) { return static_cast<QPushButton*>(GetDlgItem(id)); };
    connect(button(IDC_SAVE_GAME), &QPushButton::clicked, this, &CMainDlg::OnSaveGame);
    connect(button(IDC_LOAD_GAME), &QPushButton::clicked, this, &CMainDlg::OnLoadGame);
    connect(button(IDC_NEW_GAME), &QPushButton::clicked, this, &CMainDlg::OnNewGame);
    connect(button(IDC_GET_ANSWER), &QPushButton::clicked, this, &CMainDlg::OnGetAnswer);
    connect(button(IDC_QUICK_GAME), &QPushButton::clicked, this, &CMainDlg::OnQuickGame);
    connect(button(IDC_DONE), &QPushButton::clicked, this, &CMainDlg::OnDone);
    connect(button(IDC_PRINT_TO_PAPER), &QPushButton::clicked, this, &CMainDlg::OnPrintToPaper);
    connect(button(IDC_GIVE_HELP), &QPushButton::clicked, this, &CMainDlg::OnGiveHelp);
    connect(button(IDC_GET_RESULT), &QPushButton::clicked, this, &CMainDlg::OnGetResult);
    connect(m_showSmallCheck, &QCheckBox::clicked, this, &CMainDlg::OnShowSmall);
    connect(button(IDC_INPUT_GAME), &QPushButton::clicked, this, &CMainDlg::OnInputGame);
    // The workers' last step only emits; the outcome is taken on the window's thread.
    connect(this, &CMainDlg::SolveFinished, this, &CMainDlg::OnSolveFinished, Qt::QueuedConnection);
    connect(this, &CMainDlg::HelpFound, this, &CMainDlg::OnHelpFound, Qt::QueuedConnection);
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
    for (const int id : kGameButtons)
        GetDlgItem(id)->setEnabled(enable);
}

void CMainDlg::ShowEntryState()
{
    const char* caption = m_game.IsEnteringPuzzle() ? kSolveCaption : kInputGameCaption;
    static_cast<QPushButton*>(GetDlgItem(IDC_INPUT_GAME))->setText(Text(caption));
}

void CMainDlg::OnQuickGame()
{
    const int index = m_levelList->currentRow();
    if (index < 0 || m_levelList->selectedItems().isEmpty()) {
        m_ui.ShowMessage(Text(kSelectLevel));
        FocusLevelList();
        return;
    }
    const QString path = m_appDir + QStringLiteral("/data.dat");
    // The line is drawn before the level pattern's draws, which fixes each game's numbers.
    const int lineNumber = RandomBelow(m_random, kPuzzleLinesInUse) + 1;
    const int level = index + 1;
    const DealResult dealt = DealPuzzle(QFile::encodeName(path).toStdString(), lineNumber, level, m_random);
    if (dealt.game) {
        m_game.Deal(*dealt.game, level);  // also ends a puzzle entry, which a failed deal leaves running
        EnableGameButtons(true);  // they are always enabled
    } else if (dealt.error == PuzzleFileError::DamagedLine) {
        m_ui.ShowMessage(Text(kDataFileDamaged));
    } else if (m_game.IsEmpty()) {
        m_ui.ShowMessage(Text(kCannotReadDataFile));
    } else {
        m_ui.ShowMessage(Text(kCannotReadDataFileGameStays));
    }
    FocusLevelList();
}

void CMainDlg::accept()
{
}

void CMainDlg::reject()
{
    if (m_ui.AskQuestion(Text(kQuitQuestion), Text(kQuestionCaption)))
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
    menu.addAction(Text(kAboutEntry), this, &CMainDlg::ShowAbout);
}

void CMainDlg::ShowAbout()
{
    CAboutDlg about(this);
    about.exec();
}

#include "app/tfrmmenuprincipal.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "app/menu.h"
#include "app/processexit.h"
#include "app/signinstate.h"
#include "app/tfrmlogin_2.h"
#include "common/guard.h"
#include "common/messages.h"
#include "common/statuspanels.h"
#include "common/windows.h"
#include "db/dberror.h"
#include "db/query.h"

namespace orbadil::app {

TfrmMenuPrincipal* frmMenuPrincipal = nullptr;

namespace {

constexpr char kTag[] = "tag";
constexpr char kInert[] = "inert";

bool isBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

// The caption as the window it opens would read it, for commands whose screen is missing.
QString commandTitle(const MenuEntry& entry) {
    if (entry.title) return QString::fromUtf8(entry.title);
    QString text = QString::fromUtf8(entry.caption).remove(u'&').simplified();
    while (text.endsWith(u'.')) text.chop(1);
    return text;
}

}  // namespace

TfrmMenuPrincipal::TfrmMenuPrincipal(QWidget* parent)
    : QMainWindow(parent), mdiArea_(new QMdiArea(this)), actConfiguraMenu_(new QAction(this)) {
    setObjectName(QStringLiteral("frmMenuPrincipal"));
    setWindowTitle(QStringLiteral("Orbadil - TRUV"));
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    actConfiguraMenu_->setObjectName(QStringLiteral("actConfiguraMenu"));
    connect(actConfiguraMenu_, &QAction::triggered, this, &TfrmMenuPrincipal::configureMenu);
    status_ = std::make_unique<StatusPanels>(statusBar(), 3, 2);
    buildMenu();
    registerProgramScreens(screens_);
    frmMenuPrincipal = this;
    setChildWindowHost([this](QWidget* window) { place(window, Screen{}); });
}

TfrmMenuPrincipal::~TfrmMenuPrincipal() {
    if (frmMenuPrincipal != this) return;
    frmMenuPrincipal = nullptr;
    setChildWindowHost({});
}

QString TfrmMenuPrincipal::statusText(int panel) const {
    return status_->text(panel);
}

QAction* TfrmMenuPrincipal::command(const QString& name) const {
    for (QAction* action : commands_)
        if (action->objectName() == name) return action;
    return nullptr;
}

int TfrmMenuPrincipal::tagOf(const QAction* action) {
    return action->property(kTag).toInt();
}

void TfrmMenuPrincipal::buildMenu() {
    QHash<QString, QMenu*> menus;
    for (const MenuEntry& entry : mainMenu()) {
        QAction* action = addEntry(entry, menus);
        action->setProperty(kTag, entry.tag);
        commands_ << action;
    }
    QMenu* windows = menus.value(QStringLiteral("mnuJanelas"));
    connect(windows, &QMenu::aboutToShow, this, [this, windows] { listWindows(windows); });
}

// The open child windows under the window commands, the active one checked, so that the
// keyboard reaches any of them.
void TfrmMenuPrincipal::listWindows(QMenu* menu) {
    qDeleteAll(windowList_);
    windowList_.clear();
    const QList<QMdiSubWindow*> frames = mdiArea_->subWindowList();
    if (frames.isEmpty()) return;
    windowList_ << menu->addSeparator();
    for (int i = 0; i < frames.size(); ++i) {
        QMdiSubWindow* frame = frames[i];
        const QString prefix = i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QString();
        QAction* item = menu->addAction(prefix + frame->windowTitle());
        item->setCheckable(true);
        item->setChecked(frame == mdiArea_->activeSubWindow());
        connect(item, &QAction::triggered, frame, [this, frame] {
            mdiArea_->setActiveSubWindow(frame);
            if (frame->isMinimized()) frame->showNormal();
        });
        windowList_ << item;
    }
}

QAction* TfrmMenuPrincipal::addEntry(const MenuEntry& entry, QHash<QString, QMenu*>& menus) {
    QMenu* parentMenu = entry.parent ? menus.value(QLatin1String(entry.parent)) : nullptr;
    if (entry.kind == MenuEntry::Separator) return parentMenu->addSeparator();
    const QString caption = QString::fromUtf8(entry.caption);
    if (entry.kind == MenuEntry::Menu) {
        QMenu* menu = parentMenu ? parentMenu->addMenu(caption) : menuBar()->addMenu(caption);
        menu->setObjectName(QLatin1String(entry.name));
        menu->menuAction()->setObjectName(QLatin1String(entry.name));
        menus.insert(QLatin1String(entry.name), menu);
        return menu->menuAction();
    }
    QAction* action = parentMenu->addAction(caption);
    action->setObjectName(QLatin1String(entry.name));
    action->setVisible(!entry.hidden);
    action->setProperty(kInert, entry.inert);
    action->setEnabled(!entry.inert);
    connectCommand(action, entry);
    return action;
}

void TfrmMenuPrincipal::connectCommand(QAction* action, const MenuEntry& entry) {
    const QString name = action->objectName();
    const auto on = [&](auto handler) { connect(action, &QAction::triggered, this, handler); };
    if (name == QLatin1String("mnuSair"))
        on([] { endProcess(0); });
    else if (name == QLatin1String("mnuTrocarUsuario"))
        on([this] { switchUser(); });
    else if (name == QLatin1String("mnuCascata"))
        on([this] { mdiArea_->cascadeSubWindows(); });
    else if (name == QLatin1String("mnuDividirHorizontal"))
        on([this] { tile(Qt::Horizontal); });
    else if (name == QLatin1String("mnuDividirVertical"))
        on([this] { tile(Qt::Vertical); });
    else if (name == QLatin1String("mnuMinimizarTodas"))
        on([this] { minimiseAll(); });
    else if (name == QLatin1String("mnuRestaurarTodas"))
        on([this] { arrangeIcons(); });
    else if (name == QLatin1String("mnuFecharTodas"))
        on([this] { mdiArea_->closeActiveSubWindow(); });
    else if (!entry.inert)
        on([this, &entry] { reportErrors([&] { openScreen(entry); }); });
}

// Applies the signed-in profile to the menu.
void TfrmMenuPrincipal::configureMenu() {
    const SignInState& state = signInState();
    if (state.profile == QLatin1String("1000")) {
        enableAll();
        // After a user switch the panels must name the new user.
        showSignedInPanels();
        return;
    }
    if (isBlank(state.user) || isBlank(state.profile) || isBlank(state.workUnit) ||
        isBlank(state.userName) || isBlank(state.login))
        return authenticationFailed();
    for (QAction* action : commands_)
        if (tagOf(action) != -1) action->setEnabled(false);
    try {
        db::Query rows;
        rows.add(QStringLiteral(" select perfil_form.*, form.tag from form, perfil_form ") +
                 QStringLiteral(" where form.id_form = perfil_form.id_form ") +
                 QStringLiteral(" and id_perfil = ") + state.profile + QStringLiteral(" "));
        for (rows.open(); !rows.eof(); rows.next()) {
            const int tag = rows.integer(QStringLiteral("tag"));
            for (QAction* action : commands_)
                if (tag != -1 && tagOf(action) == tag && !action->property(kInert).toBool())
                    action->setEnabled(true);
        }
    } catch (const db::DbError&) {
        return authenticationFailed();
    }
    showSignedInPanels();
}

void TfrmMenuPrincipal::enableAll() {
    for (QAction* action : commands_) action->setEnabled(!action->property(kInert).toBool());
}

void TfrmMenuPrincipal::showSignedInPanels() {
    const SignInState& state = signInState();
    status_->setText(0, QStringLiteral("Usuário logado: ") + state.user + QStringLiteral(" - ") +
                            state.userName + QStringLiteral("(") + state.profileName +
                            QStringLiteral(")"));
    status_->setText(
        1, QStringLiteral("Unidade: ") + state.workUnit + QStringLiteral(" - ") + state.unitName);
}

void TfrmMenuPrincipal::authenticationFailed() {
    MessageService::current().error(
        QStringLiteral("Erro de autenticação de usuário.\rTente logar novamente."));
    endProcess(1);
}

void TfrmMenuPrincipal::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    activateWindow();
    actConfiguraMenu_->trigger();
    const SignInState& state = signInState();
    status_->setText(0, QStringLiteral("Unidade logada: ") + state.unitName);
    status_->setText(1, state.userName + QStringLiteral(" - ") + state.profileName);
}

void TfrmMenuPrincipal::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    endProcess(0);
}

void TfrmMenuPrincipal::openScreen(const MenuEntry& entry) {
    const Screen* how = screens_.find(QLatin1String(entry.name));
    if (!how) {
        MessageService::current().information(
            QStringLiteral("A tela \"%1\" ainda não está disponível nesta versão.")
                .arg(commandTitle(entry)));
        return;
    }
    QWidget* screen = how->create(this);
    if (!screen) return;
    if (entry.rightsForm) applyScreenRights(screen, entry.rightsForm, entry.layout);
    place(screen, *how);
}

void TfrmMenuPrincipal::place(QWidget* screen, const Screen& how) {
    screen->setAttribute(Qt::WA_DeleteOnClose);
    if (how.placement == Screen::Window) {
        screen->setParent(this, Qt::Window);
        screen->show();
        return;
    }
    Qt::WindowFlags flags = Qt::SubWindow;
    if (!how.windowControls) flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    QMdiSubWindow* frame = mdiArea_->addSubWindow(screen, flags);
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    frame->setWindowIcon(QIcon(blank));
    frame->adjustSize();
    if (how.centred) {
        const QRect area = mdiArea_->viewport()->rect();
        frame->move(std::max(0, (area.width() - frame->width()) / 2),
                    std::max(0, (area.height() - frame->height()) / 2));
    }
    frame->show();
    focusFirstControl(screen);
}

void TfrmMenuPrincipal::switchUser() {
    auto* dialog = new TfrmLogin_2(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    dialog->show();
}

// Horizontal bands lie one above the other; vertical ones side by side.
void TfrmMenuPrincipal::tile(Qt::Orientation bands) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        if (window->isVisible() && !window->isMinimized()) windows << window;
    if (windows.isEmpty()) return;
    const QRect area = mdiArea_->viewport()->rect();
    const int count = int(windows.size());
    for (int i = 0; i < count; ++i) {
        QRect band;
        if (bands == Qt::Horizontal) {
            const int top = area.height() * i / count;
            band = QRect(0, top, area.width(), area.height() * (i + 1) / count - top);
        } else {
            const int left = area.width() * i / count;
            band = QRect(left, 0, area.width() * (i + 1) / count - left, area.height());
        }
        windows[i]->showNormal();
        windows[i]->setGeometry(band);
    }
}

// A window without window controls stays: minimised, nothing could restore it.
void TfrmMenuPrincipal::minimiseAll() {
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        const Qt::WindowFlags flags = window->windowFlags();
        if (!(flags & Qt::CustomizeWindowHint) || (flags & Qt::WindowMinimizeButtonHint))
            window->showMinimized();
    }
}

// Lines the minimised windows up along the bottom edge.
void TfrmMenuPrincipal::arrangeIcons() {
    const QRect area = mdiArea_->viewport()->rect();
    int x = 0;
    int y = area.height();
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (!window->isMinimized()) continue;
        const QSize size = window->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        window->move(x, y - size.height());
        x += size.width();
    }
}

}  // namespace orbadil::app

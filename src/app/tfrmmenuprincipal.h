#pragma once

#include <QMainWindow>
#include <memory>

#include "app/screens.h"

class QAction;
class QMdiArea;
class QMenu;

namespace orbadil {
class StatusPanels;
}

namespace orbadil::app {

struct MenuEntry;

// The multiple-document frame every screen opens in, with the menu of every screen. The
// signed-in profile decides which commands are enabled (actConfiguraMenu).
class TfrmMenuPrincipal : public QMainWindow {
    Q_OBJECT
  public:
    explicit TfrmMenuPrincipal(QWidget* parent = nullptr);
    ~TfrmMenuPrincipal() override;

    QMdiArea* mdiArea() const { return mdiArea_; }
    QAction* actConfiguraMenu() const { return actConfiguraMenu_; }
    ScreenRegistry& screens() { return screens_; }
    QString statusText(int panel) const;

    // The menu command with this objectName, or nullptr.
    QAction* command(const QString& name) const;
    // Every menu command, separator and submenu, with its tag.
    const QList<QAction*>& menuCommands() const { return commands_; }
    static int tagOf(const QAction* action);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenu();
    void listWindows(QMenu* menu);
    QAction* addEntry(const MenuEntry& entry, QHash<QString, QMenu*>& menus);
    void connectCommand(QAction* action, const MenuEntry& entry);
    void configureMenu();
    void enableAll();
    void showSignedInPanels();
    void authenticationFailed();
    void openScreen(const MenuEntry& entry);
    void place(QWidget* screen, const Screen& how);
    void switchUser();
    void tile(Qt::Orientation bands);
    void minimiseAll();
    void arrangeIcons();

    QMdiArea* mdiArea_;
    QAction* actConfiguraMenu_;
    QList<QAction*> commands_;
    QList<QAction*> windowList_;  // the open windows, listed in "&Janelas"
    std::unique_ptr<StatusPanels> status_;
    ScreenRegistry screens_;
    bool shownOnce_ = false;
};

// The process-wide main window, set while one exists.
extern TfrmMenuPrincipal* frmMenuPrincipal;

}  // namespace orbadil::app

#pragma once

#include <QMainWindow>

class QMdiArea;

namespace orbadil::app {

// The multiple-document frame every screen opens in.
class TfrmMenuPrincipal : public QMainWindow {
    Q_OBJECT
  public:
    explicit TfrmMenuPrincipal(QWidget* parent = nullptr);
    QMdiArea* mdiArea() const { return mdiArea_; }

  private:
    QMdiArea* mdiArea_;
};

}  // namespace orbadil::app

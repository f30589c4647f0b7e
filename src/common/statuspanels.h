#pragma once

#include <QList>
#include <QString>

class QLabel;
class QStatusBar;

namespace orbadil {

// A status bar split into fixed panels, the first `centred` of them with centred text.
// Panels are numbered from 0 and named pnlStatus0, pnlStatus1...
class StatusPanels {
  public:
    StatusPanels(QStatusBar* bar, int count, int centred);
    void setText(int panel, const QString& text);
    QString text(int panel) const;

  private:
    QList<QLabel*> panels_;
};

}  // namespace orbadil

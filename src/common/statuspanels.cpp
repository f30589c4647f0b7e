#include "common/statuspanels.h"

#include <QLabel>
#include <QStatusBar>

namespace orbadil {

StatusPanels::StatusPanels(QStatusBar* bar, int count, int centred) {
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < count; ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("pnlStatus%1").arg(i));
        label->setAlignment((i < centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setContentsMargins(6, 0, 6, 0);
        bar->addWidget(label, 1);
        panels_ << label;
    }
}

void StatusPanels::setText(int panel, const QString& text) {
    panels_.at(panel)->setText(text);
    panels_.at(panel)->setAccessibleName(text);
}

QString StatusPanels::text(int panel) const {
    return panels_.at(panel)->text();
}

}  // namespace orbadil

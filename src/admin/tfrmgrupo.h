#pragma once

#include "common/maintenance.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTreeWidget;

namespace orbadil::admin {

// 002: the profiles, each with its list of rights per screen.
class TfrmGrupo : public MaintenanceScreen {
    Q_OBJECT

  public:
    explicit TfrmGrupo(QWidget* parent = nullptr);

    // The rights list's buttons.
    void includeRight();
    void excludeRight();

  protected:
    bool validate() override;
    void writeRow(bool inserting) override;
    void afterWrite(bool inserting) override;
    bool refuseDelete(const QString& key) override;
    void deleteRow(const QString& key) override;
    void openSearch() override;
    void printListing() override;

  private:
    QWidget* buildRightsPage();
    void loadRights();
    void loadPicker();
    void writeRights(const QString& profile);
    bool editingMessage();

    QLabel* lblPerfil_;
    QComboBox* cbbForm_Rel_;
    DbLookupCombo* dblFormulario_;
    QList<QCheckBox*> rights_;  // view, insert, change, delete, print
    QTreeWidget* lvwFormulario_;
};

}  // namespace orbadil::admin

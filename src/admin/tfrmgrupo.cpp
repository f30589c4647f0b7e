#include "admin/tfrmgrupo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "admin/tfrmperfilusuariopesquisa.h"
#include "admin/tfrmrel_perfil.h"
#include "common/guard.h"
#include "common/inputs.h"
#include "common/messages.h"
#include "common/windows.h"
#include "db/connections.h"
#include "db/quoting.h"

namespace orbadil::admin {

namespace {

const QString kForm = QStringLiteral("Formulário");
const QString kReport = QStringLiteral("Relatório");
const QString kDeleteFailure =
    QStringLiteral("Erro ao tentar excluir registro, entre em contato com administrador! ");

// Columns of the rights list; the five rights follow the number, type and name.
enum RightsColumn { Number, Type, Name, FirstRight, Description = FirstRight + 5 };

MaintenanceConfig makeConfig() {
    MaintenanceConfig s;
    s.table = QStringLiteral("perfil");
    s.keyField = QStringLiteral("Id_Perfil");
    s.keyStatement = {QStringLiteral(" select top 1 Id_perfil as MaxPerfil from perfil "),
                      QStringLiteral(" order by  Id_perfil desc ")};
    s.openStatement = {QStringLiteral(" select * from Perfil "), QStringLiteral(" where 1=2 ")};
    s.appendStatement = {QStringLiteral(" select * from perfil "), QStringLiteral(" where 1=2 ")};
    s.refreshStatement = {QStringLiteral("select * from perfil ")};
    s.reloadStatement = {QStringLiteral(" select * from Perfil ")};
    s.deleteQuestion =
        QStringLiteral("Você esta preste a deletar o registro nº: %1\r deseje continuar?");
    s.deleteFailure = kDeleteFailure;
    s.editNeedsRow = true;
    s.informationDisabled = true;
    s.helpDisabled = true;
    return s;
}

QString right(const QString& stored) {
    const QString value = stored.trimmed().toUpper();
    return value == u"S" || value == u"N" ? value : QString();
}

}  // namespace

TfrmGrupo::TfrmGrupo(QWidget* parent)
    : MaintenanceScreen(QStringLiteral("002 - Perfil de usuário"), makeConfig(), parent) {
    setObjectName(QStringLiteral("frmGrupo"));
    principal().setObjectName(QStringLiteral("qryPerfil"));
    addKey(QStringLiteral("Id_Perfil"));
    addEdit("dbeNome", QStringLiteral("&Nome:"), QStringLiteral("Nome"));
    addMemo("dbmDescricao", QStringLiteral("&Descrição:"), QStringLiteral("Descricao"));
    pages()->insertTab(1, buildRightsPage(), QStringLiteral("Formulário / Relatório"));
    setGridColumns({
        {.title = QStringLiteral("Código"), .field = QStringLiteral("Id_Perfil"), .hidden = true},
        {.title = QStringLiteral("Nome"), .field = QStringLiteral("Nome")},
        {.title = QStringLiteral("Descrição"), .field = QStringLiteral("Descricao")},
    });
    connect(&principal(), &db::RecordSet::currentChanged, this, [this] {
        lblPerfil_->setText(principal().text(QStringLiteral("Nome")));
        if (!principal().isEditing()) reportErrors([this] { loadRights(); });
    });
    connect(&principal(), &db::RecordSet::rowChanged, this,
            [this] { lblPerfil_->setText(principal().text(QStringLiteral("Nome"))); });
    start();
}

QWidget* TfrmGrupo::buildRightsPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tbsFormulario"));
    lblPerfil_ = new QLabel(page);
    lblPerfil_->setObjectName(QStringLiteral("lblPerfil"));
    lblPerfil_->setAlignment(Qt::AlignCenter);
    QFont bold = lblPerfil_->font();
    bold.setBold(true);
    lblPerfil_->setFont(bold);

    cbbForm_Rel_ = new QComboBox(page);
    cbbForm_Rel_->setObjectName(QStringLiteral("cbbForm_Rel"));
    cbbForm_Rel_->addItems({kForm, kReport});
    cbbForm_Rel_->setCurrentIndex(-1);
    moveFocusOnEnter(cbbForm_Rel_);
    dblFormulario_ = new DbLookupCombo(page);
    dblFormulario_->setObjectName(QStringLiteral("dblFormulario"));
    moveFocusOnEnter(dblFormulario_);
    connect(cbbForm_Rel_, &QComboBox::currentIndexChanged, this,
            [this] { reportErrors([this] { loadPicker(); }); });

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(lblPerfil_);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    addLabelledRow(form, QStringLiteral("&Seleção:"), cbbForm_Rel_);
    addLabelledRow(form, QStringLiteral("&Formulário / Relatório:"), dblFormulario_);

    auto* checks = new QHBoxLayout;
    const QList<std::pair<const char*, QString>> boxes{
        {"chkVisualizar", QStringLiteral("&Visualização.")},
        {"chkIncluir", QStringLiteral("Inclu&são.")},
        {"chkAlterar", QStringLiteral("&Alterar")},
        {"chkExcluir", QStringLiteral("E&xclusão.")},
        {"chkImprimir", QStringLiteral("Im&pressão")}};
    for (const auto& [name, caption] : boxes) {
        auto* box = new QCheckBox(caption, page);
        box->setObjectName(QLatin1String(name));
        box->setChecked(true);
        checks->addWidget(box);
        rights_ << box;
    }
    checks->addStretch();
    QPushButton* include = commandButton("bmpIncluir", QStringLiteral("&Incluir"), page);
    QPushButton* exclude = commandButton("bmpExcluir", QStringLiteral("&Excluir"), page);
    checks->addWidget(include);
    checks->addWidget(exclude);
    connect(include, &QPushButton::clicked, this, &TfrmGrupo::includeRight);
    connect(exclude, &QPushButton::clicked, this, &TfrmGrupo::excludeRight);

    lvwFormulario_ = new QTreeWidget(page);
    lvwFormulario_->setObjectName(QStringLiteral("lvwFormulario"));
    lvwFormulario_->setRootIsDecorated(false);
    lvwFormulario_->setHeaderLabels(
        {QStringLiteral("Código"), QStringLiteral("Tipo"), QStringLiteral("Nome"),
         QStringLiteral("Visualização"), QStringLiteral("Inclusão"), QStringLiteral("Alterar"),
         QStringLiteral("Exclusão"), QStringLiteral("Impressão"), QStringLiteral("Descrição")});
    lvwFormulario_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    layout->addLayout(checks);
    layout->addWidget(lvwFormulario_, 1);
    return page;
}

void TfrmGrupo::loadPicker() {
    if (cbbForm_Rel_->currentIndex() < 0) return;
    db::Query forms;
    forms.add(cbbForm_Rel_->currentText() == kReport
                  ? QStringLiteral(" select * from form where tipo_form = 'R' ")
                  : QStringLiteral(" select * from form where tipo_form = 'F' "));
    dblFormulario_->loadList(forms, QStringLiteral("Id_Form"), QStringLiteral("Nome"),
                             QStringLiteral("Descricao"));
}

void TfrmGrupo::loadRights() {
    lvwFormulario_->clear();
    const QString key = currentKey();
    if (key.isEmpty()) return;
    QHash<QString, QString> descriptions;
    db::Query forms;
    forms.add(QStringLiteral(" select id_form, descricao from form "));
    for (forms.open(); !forms.eof(); forms.next())
        descriptions.insert(forms.text(QStringLiteral("id_form")),
                            forms.text(QStringLiteral("descricao")));

    db::Query& rows = auxiliary();
    rows.clear();
    rows.add(QStringLiteral(" select a.Id_Perfil,a.Id_Form,a.Visualizar,a.Incluir, "));
    rows.add(QStringLiteral(" a.Alterar,a.Excluir,a.Imprimir,b.Tipo_Form,b.Nome "));
    rows.add(QStringLiteral(" from perfil_form a "));
    rows.add(QStringLiteral(" left join form b on (a.id_form = b.id_form) "));
    rows.add(QStringLiteral(" where id_perfil = ") + key);
    const QStringList fields{QStringLiteral("Visualizar"), QStringLiteral("Incluir"),
                             QStringLiteral("Alterar"), QStringLiteral("Excluir"),
                             QStringLiteral("Imprimir")};
    for (rows.open(); !rows.eof(); rows.next()) {
        const QString form = rows.text(QStringLiteral("Id_Form"));
        const QString type = rows.text(QStringLiteral("Tipo_Form")).trimmed();
        QStringList entry{form,
                          type == u"F"   ? kForm
                          : type == u"R" ? kReport
                                         : QString(),
                          rows.text(QStringLiteral("Nome"))};
        for (int i = 0; i < fields.size(); ++i) {
            entry << right(rows.text(fields[i]));
            rights_[i]->setChecked(entry.last() == u"S");
        }
        entry << descriptions.value(form);
        lvwFormulario_->addTopLevelItem(new QTreeWidgetItem(entry));
    }
}

bool TfrmGrupo::editingMessage() {
    if (principal().isEditing()) return false;
    MessageService::current().information(QStringLiteral(
        "É necessário que o arquivo esteja no modo de inserção ou edição para incluir ou excluir "
        "um novo formulário ou relatório."));
    return true;
}

void TfrmGrupo::includeRight() {
    if (editingMessage()) return;
    if (cbbForm_Rel_->currentIndex() < 0) {
        MessageService::current().information(QStringLiteral("Selecione o formulário/relatório!"));
        return;
    }
    if (dblFormulario_->currentIndex() < 0) {
        MessageService::current().information(
            QStringLiteral("Falta selecinar o formulário/relatório!"));
        return;
    }
    QStringList entry{dblFormulario_->key().toString(), cbbForm_Rel_->currentText(),
                      dblFormulario_->currentText()};
    for (const QCheckBox* box : std::as_const(rights_))
        entry << (box->isChecked() ? QStringLiteral("S") : QStringLiteral("N"));
    entry << dblFormulario_->extra();
    lvwFormulario_->addTopLevelItem(new QTreeWidgetItem(entry));
}

void TfrmGrupo::excludeRight() {
    if (editingMessage()) return;
    QTreeWidgetItem* chosen = lvwFormulario_->currentItem();
    if (!chosen) {
        MessageService::current().information(QStringLiteral("Erro na tentativa de exclusão!"));
        return;
    }
    delete chosen;
}

bool TfrmGrupo::validate() {
    if (lvwFormulario_->topLevelItemCount() == 0) {
        MessageService::current().information(
            QStringLiteral("Falta selecionar os formulários e relatórios deste perfil."));
        return false;
    }
    if (principal().state() != db::RecordSet::State::Insert) return true;
    db::Query& same = auxiliary();
    same.clear();
    same.add(QStringLiteral(" select top 1 nome from perfil "));
    same.add(QStringLiteral(" where nome = ") +
             db::quoted(principal().text(QStringLiteral("Nome"))));
    same.open();
    if (same.eof()) return true;
    MessageService::current().information(QStringLiteral("Já existe um perfil com este nome."));
    return false;
}

// The profile and its rights are one write: a failure part-way leaves neither. The rights go
// first because storing the profile reloads the list from the database.
void TfrmGrupo::writeRow(bool inserting) {
    const QString key = currentKey();
    if (!inserting) {
        db::Query clear;
        clear.add(QStringLiteral(" delete from perfil_form "));
        clear.add(QStringLiteral(" where id_perfil = ") + key);
        clear.exec();
    }
    writeRights(key);
    principal().post();
}

void TfrmGrupo::writeRights(const QString& profile) {
    db::RecordSet rows;
    rows.setTable(QStringLiteral("perfil_form"), QString());
    rows.add(QStringLiteral(" select * from perfil_form "));
    rows.add(QStringLiteral(" where 1=2 "));
    rows.open();
    const QStringList fields{QStringLiteral("Visualizar"), QStringLiteral("Incluir"),
                             QStringLiteral("Alterar"), QStringLiteral("Excluir"),
                             QStringLiteral("Imprimir")};
    for (int i = 0; i < lvwFormulario_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* entry = lvwFormulario_->topLevelItem(i);
        rows.append({{QStringLiteral("Id_Perfil"), profile.toInt()},
                     {QStringLiteral("Id_Form"), entry->text(Number).toInt()}});
        for (int r = 0; r < fields.size(); ++r)
            rows.setValue(fields[r], entry->text(FirstRight + r));
        rows.post();
    }
}

void TfrmGrupo::afterWrite(bool inserting) {
    if (!inserting) runStatement({QStringLiteral(" select * from perfil ")});
}

bool TfrmGrupo::refuseDelete(const QString& key) {
    if (principal().isEmpty()) return false;
    try {
        db::Query& user = auxiliary();
        user.clear();
        user.add(QStringLiteral(" select top 1 nome from usuario "));
        user.add(QStringLiteral(" where id_perfil = ") + key);
        user.open();
        if (user.eof()) return false;
        MessageService::current().information(
            QStringLiteral(
                "Você não pode excluir este perfil.\rEle esta sendo usado pelo usuário.") +
            user.text(QStringLiteral("nome")));
    } catch (const Error&) {
        MessageService::current().error(kDeleteFailure);
    }
    return true;
}

void TfrmGrupo::deleteRow(const QString& key) {
    db::Connections& connections = db::Connections::current();
    connections.startTransaction();
    try {
        db::Query remove;
        remove.add(QStringLiteral(" delete perfil_form where id_perfil = ") + key + u' ');
        remove.exec();
        remove.clear();
        remove.add(QStringLiteral("delete from Perfil where id_Perfil = ") + key + u' ');
        remove.exec();
        connections.commit();
    } catch (...) {
        connections.rollback();
        throw;
    }
}

void TfrmGrupo::openSearch() {
    showChildWindow(new TfrmPerfilUsuarioPesquisa);
}

void TfrmGrupo::printListing() {
    TfrmRel_Perfil::preview(this, false);
}

}  // namespace orbadil::admin

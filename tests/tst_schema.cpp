// The embedded schema of the three databases and the demo data set created on first start.

#include "db/dialect/sqlfunctions.h"
#include "db/schema/schema.h"

#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>
#include <algorithm>
#include <memory>

using orbadil::db::schema::Catalog;

namespace {

// A fresh SQLite file in its own temporary folder, opened the way the program opens it.
class Scratch {
  public:
    Scratch() : name_(QStringLiteral("tst_schema_%1").arg(++counter_)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(dir_.filePath(QStringLiteral("db.sqlite")));
        if (db.open()) {
            sqlite3* handle = *static_cast<sqlite3* const*>(db.driver()->handle().constData());
            registered_ = orbadil::db::registerSqlFunctions(handle) == SQLITE_OK;
            // Scratch files need no durability; this keeps the many fresh schemas quick.
            QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous = OFF"));
        }
    }
    ~Scratch() {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    bool ready() const { return registered_ && db().isOpen(); }
    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }
    QString path() const { return dir_.filePath(QStringLiteral("db.sqlite")); }

    // Runs the statements in order; returns the first failure, or an empty text.
    QString run(const QStringList& statements) const {
        QSqlQuery query(db());
        for (const QString& statement : statements) {
            if (!query.exec(statement))
                return query.lastError().text() + QStringLiteral("\n") + statement.left(400);
        }
        return {};
    }
    QString run(const QString& statement) const { return run(QStringList{statement}); }

    // First column of the first row; an invalid value when there is no row or on error.
    QVariant value(const QString& sql) const {
        QSqlQuery query(db());
        if (!query.exec(sql) || !query.next()) {
            qWarning().noquote() << "no value:" << query.lastError().text() << sql;
            return {};
        }
        return query.value(0);
    }
    QStringList column(const QString& sql) const {
        QSqlQuery query(db());
        QStringList values;
        if (!query.exec(sql)) qWarning().noquote() << query.lastError().text() << sql;
        while (query.next()) values << query.value(0).toString();
        return values;
    }
    QStringList columnsOf(const QString& table) const {
        return column(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table));
    }

  private:
    static inline int counter_ = 0;
    QTemporaryDir dir_;
    QString name_;
    bool registered_ = false;
};

QString digest(const QByteArray& password) {
    return QString::fromLatin1(
        QCryptographicHash::hash(password, QCryptographicHash::Sha512).toHex());
}

bool allDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

int mod11(int sum) {
    return sum % 11 < 2 ? 0 : 11 - sum % 11;
}

// The published CPF rule, written apart from the program's own check.
bool validCpf(const QString& cpf) {
    if (cpf.size() != 11 || !allDigits(cpf) || cpf.count(cpf[0]) == 11) return false;
    for (int length : {9, 10}) {
        int sum = 0;
        for (int i = 0; i < length; ++i) sum += cpf[i].digitValue() * (length + 1 - i);
        if (mod11(sum) != cpf[length].digitValue()) return false;
    }
    return true;
}

bool validCnpj(const QString& cnpj) {
    if (cnpj.size() != 14 || !allDigits(cnpj) || cnpj.count(cnpj[0]) == 14) return false;
    for (int length : {12, 13}) {
        int sum = 0;
        for (int i = 0; i < length; ++i) sum += cnpj[i].digitValue() * (2 + (length - 1 - i) % 8);
        if (mod11(sum) != cnpj[length].digitValue()) return false;
    }
    return true;
}

}  // namespace

class TstSchema : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();

    void ddlRunsTwice_data();
    void ddlRunsTwice();
    void mainColumnsInServerOrder_data();
    void mainColumnsInServerOrder();
    void readOnlyCatalogsHaveColumnsRead_data();
    void readOnlyCatalogsHaveColumnsRead();
    void textColumnsCompareLikeTheServer_data();
    void textColumnsCompareLikeTheServer();
    void textComparisonIgnoresCaseAccentsAndTrailingBlanks_data();
    void textComparisonIgnoresCaseAccentsAndTrailingBlanks();
    void houseNumbersCompareAsNumbers_data();
    void houseNumbersCompareAsNumbers();

    void serverAssignsKeys_data();
    void serverAssignsKeys();
    void addressKeyExplicitOrAssigned();
    void keysAreUnique_data();
    void keysAreUnique();
    void profileMayListAScreenTwice();
    void serverDefaults_data();
    void serverDefaults();
    void userStoredWithoutStatusIsOfferedAtSignIn();

    void exportViewColumns();
    void exportViewSpellsOutAnAttendance();

    void demoLoadsIntoEveryTable_data();
    void demoLoadsIntoEveryTable();
    void administratorSignsIn();
    void demoDocumentsHaveValidCheckDigits();
    void demoReferencesResolve_data();
    void demoReferencesResolve();
    void screenRegistryFollowsTheMenu_data();
    void screenRegistryFollowsTheMenu();
    void administratorProfileHasEveryScreen();
    void epidemiologicalWeeksCoverEveryDay();
    void demoAnswersScreenStatements_data();
    void demoAnswersScreenStatements();
    void exportViewListsDemoAttendances();

  private:
    // Fresh schema of one catalog.
    std::unique_ptr<Scratch> schemaOnly(Catalog catalog);

    Scratch demoMain_;
    Scratch demoAddressBase_;
    Scratch demoZoonosis_;
};

std::unique_ptr<Scratch> TstSchema::schemaOnly(Catalog catalog) {
    auto scratch = std::make_unique<Scratch>();
    if (!scratch->ready()) return nullptr;
    const QString error = scratch->run(orbadil::db::schema::ddl(catalog));
    if (!error.isEmpty()) {
        qWarning().noquote() << error;
        return nullptr;
    }
    return scratch;
}

void TstSchema::initTestCase() {
    using orbadil::db::schema::ddl;
    using orbadil::db::schema::demoData;
    const struct {
        Scratch& scratch;
        Catalog catalog;
    } catalogs[] = {{demoMain_, Catalog::Main},
                    {demoAddressBase_, Catalog::AddressBase},
                    {demoZoonosis_, Catalog::Zoonosis}};
    for (const auto& [scratch, catalog] : catalogs) {
        QVERIFY(scratch.ready());
        const QString error = scratch.run(ddl(catalog) + demoData(catalog));
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    // As the program sees it: the address base attached to the main connection.
    QVERIFY2(
        demoMain_.run(QStringLiteral("ATTACH DATABASE '%1' AS padrao").arg(demoAddressBase_.path()))
            .isEmpty(),
        "attach");
}

// --- schema -------------------------------------------------------------------------------

void TstSchema::ddlRunsTwice_data() {
    QTest::addColumn<Catalog>("catalog");
    QTest::newRow("main") << Catalog::Main;
    QTest::newRow("address base") << Catalog::AddressBase;
    QTest::newRow("zoonosis") << Catalog::Zoonosis;
}

// On a database created earlier, with its demo rows, the schema runs again harmlessly.
void TstSchema::ddlRunsTwice() {
    QFETCH(Catalog, catalog);
    Scratch scratch;
    QVERIFY(scratch.ready());
    using orbadil::db::schema::ddl;
    QString error = scratch.run(ddl(catalog) + orbadil::db::schema::demoData(catalog));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QVariant objects = scratch.value(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    error = scratch.run(ddl(catalog));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(scratch.value(QStringLiteral("SELECT count(*) FROM sqlite_master")), objects);
}

void TstSchema::mainColumnsInServerOrder_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("columns");
    const auto row = [](const char* table, const char* columns) {
        QTest::newRow(table) << QString::fromLatin1(table) << QString::fromLatin1(columns);
    };
    row("unidade_trabalho",
        "Id_Unidade_Trabalho,Nome,Inserido_Por,Inserido_Em,Modificado_Por,"
        "Modificado_Em,Descricao,Ind_Status");
    row("perfil",
        "Id_Perfil,Nome,Inserido_Por,Inserido_Em,Modificado_Por,Modificado_Em,Descricao,"
        "Ind_Status");
    row("form",
        "Id_Form,Nome,Descricao,Tipo_Form,Tag,Ind_Status,Inserido_Por,Inserido_Em,"
        "Modificado_Por,Modificado_Em");
    row("perfil_form", "Id_Perfil,Id_Form,Visualizar,Incluir,Alterar,Excluir,Imprimir");
    row("usuario",
        "Id_Usuario,Id_Unidade_Trabalho,Id_Perfil,Nome,Login,Bloqueado,Inativo,"
        "Inserido_Por,Inserido_Em,Modificado_Por,Modificado_Em,senha_crip,DDD_TEL_USU,"
        "Email_usu,id_proprietario,Ind_solicitacao_nova_senha,Num_CPF_CNPJ,Senha,"
        "Status_Registro,Telefone_usu");
    row("proprietario",
        "Id_Proprietario,Nome,Telefone_Residencial,Telefone_Celular,"
        "Telefone_Recado,Num_CPF_CNPJ,Tipo_Pessoa,Num_CI,Inserido_Por,Inserido_Em,"
        "Modificado_Por,Modificado_Em,Id_Endereco,id_Unidade_Trabalho,"
        "Email_Proprietario,id_usu_web,Status_Registro");
    row("animal",
        "Id_Animal,Id_Proprietario,Id_Especie,Id_Raca,Id_Pelo,Id_Porte,Nome,Sexo,"
        "Data_Nascimento,Esterilizado,Num_Microchip,Cor,Sinais,Num_Pedigree,OBS,"
        "Ind_End_Animal_Prop,Id_Grupo_Animal,Inserido_Por,Inserido_Em,Modificado_por,"
        "Modificado_Em,Id_faixa_peso_animal");
    row("endereco",
        "Id_Endereco,Id_Distrito,COD_AREA_ABRN,NUM_LOGR,NUM_SEQU_LOGR,TIP_LOGR,"
        "NOM_LOGR,NUM_IMOV_LOGR,DES_CMPL_ENDR,NUM_BAIR,NOM_BAIR,NUM_CEP,num_locl,"
        "nom_locl,End_X,End_Y,Inserido_Por,Inserido_Em,Modificado_Por,Modificado_Em,"
        "Ind_Endereco_Informado,data_endereco,data_inicial_end");
    row("endereco_animal", "Id_Animal,Id_Endereco");
    row("grupo_animal_animal", "Id_Grupo_Animal_Animal,Id_Grupo_Animal,Id_Animal,Dt_Entrada_Grupo");
    row("histo_muda_proprietario",
        "Id_Histo_Muda_Proprietario,Id_Animal,Id_Anterior_Proprietario,"
        "Id_Proprietario,Dt_Muda_Proprietario,Inserido_Por,Inserido_Em,"
        "Modificado_Por,Modificado_Em");
    row("vacina",
        "Id_vacina,Id_Animal,Id_tipo_vacina,Id_tipo_vacina_ocorrencia,Inserido_por,"
        "Inserido_em,Modificado_por,Modificado_em,Data_atividade,"
        "Id_tipo_motivo_nao_vacina");
    row("distrito", "Id_Distrito,Nome,ind_status");
    row("profissional",
        "Id_Profissional,Id_Unidade_Trabalho,Nome,Telefone_residencial,"
        "Telefone_celular,Telefone_Recado,Email,Inserido_Por,Inserido_Em,"
        "Modificado_Por,Modificado_Em,Inativo,Bloqueado,Ind_Status");
    row("jornada_trabalho",
        "Id_Jornada_Trabalho,Id_Profissional,Id_Unidade_Trabalho,"
        "Data_Hora_Inicial,Data_Hora_Final,Id_Dia_Semana,Status_Registro,"
        "Controle");
    row("jornada_trabalho_execao",
        "Id_Jornada_Trabalho_Execao,Id_Profissional,"
        "Id_Unidade_Trabalho,Data_Hora_Inicial,Data_Hora_Final,"
        "Ind_Disponivel");
    row("impedimento",
        "Id_Impedimento,Id_Profissional,Id_Unidade_Trabalho,Data_Hora_Inicial,"
        "Data_Hora_Final");
    row("mapa_disponibilidade_agenda",
        "Id_Mapa_disponibilidade_agenda,Id_unidade_trabalho,Id_tipo_procedimento,"
        "Data_hora_disponibilidade,Qt_vaga_disponivel_geral,Qt_vaga_disp_f_grande_porte,"
        "Qt_vaga_usada_geral,Qt_vaga_usada_f_grande_porte,Inserido_por,Inserido_em,"
        "Modificado_por,Modificado_em,Id_Especie,COD_AREA_ABRN");
    row("mapa_rascunho",
        "Id_Mapa_rascunho,Id_unidade_trabalho,Id_tipo_procedimento,"
        "Data_hora_disponibilidade,Qt_vaga_disponivel_geral,"
        "Qt_vaga_disp_f_grande_porte,Qt_vaga_usada_geral,"
        "Qt_vaga_usada_f_grande_porte,Inserido_por,Inserido_em,Modificado_por,"
        "Modificado_em,Id_Especie,COD_AREA_ABRN,Status_Registro,"
        "Id_mapa_disponibilidade_agenda");
    row("agendamento_especial",
        "id_Agendamento_especial,Excluido_Em,Excluido_Por,"
        "Id_proprietario,Ind_Registro_Excluido,Inserido_Em,Inserido_Por,"
        "Qt_Agendamento_Reservado");
    row("semana_epidemiologica", "nrideano,nridesep,dtinisep,dtfimsep,dsidesep");
    row("dia_semana", "id_dia_semana,nome");
    row("atendimento",
        "Id_Atendimento,Id_Proprietario,Id_Animal,Id_Unidade_Trabalho,"
        "Id_Unidade_Agendada,Data_Hora_Atendimento,Id_Atendimento_Status,"
        "Inserido_Por,Inserido_Em,Modificado_Por,Modificado_Em,"
        "Ind_Autoriza_Cirurgia");
    row("procedimento",
        "Id_Procedimento,Id_Tipo_Procedimento,Id_Atendimento,Inserido_Por,"
        "Inserido_Em,Modificado_Por,Modificado_Em");
    row("atendimento_profissional",
        "Id_Profissional,Id_Atendimento,Inserido_Por,Inserido_Em,"
        "Modificado_Por,Modificado_Em");
    row("medicamento_gasto",
        "Id_Medicamento_Gasto,Id_Medicamento,Id_Atendimento,Quantidade,"
        "Inserido_Por,Inserido_Em,Modificado_Por,Modificado_Em");
    row("receituario",
        "Id_Receituario,Id_Atendimento,Descricao,OBS,Inserido_Por,Inserido_Em,"
        "Modificado_Por,Modificado_Em");
    row("receituario_padrao",
        "Id_Receituario_padrao,descricao,Inserido_Por,Inserido_Em,"
        "Modificado_Por,Modificado_Em");
    row("atendimento_particular",
        "Id_Atendimento_Particular,Id_Animal,Id_Tipo_Procedimento,"
        "dt_Atendimento,Inserido_Por,Inserido_Em,Modificado_Por,"
        "Modificado_Em");
    row("ocorrencia",
        "Id_Ocorrencia,Id_Animal,Id_Tipo_Ocorrencia,Inserido_Por,Inserido_Em,"
        "Modificado_Por,Modificado_Em,Dt_Ocorrencia");
    row("Orientacao_Padrao_Atend", "Texto_padrao_orientacao");
    row("grupo_animal",
        "Id_Grupo_Animal,Nome,Inserido_Por,Inserido_Em,Modificado_Por,"
        "Modificado_Em,Descricao,Ind_Status");
    row("especie",
        "Id_Especie,Nome,Descricao,Inserido_Por,Inserido_Em,Modificado_Por,"
        "Modificado_Em,Ind_Status");
    row("raca",
        "Id_Raca,Nome,Descricao,Inserido_Por,Inserido_Em,Modificado_Por,Modificado_Em,"
        "Id_Porte,Id_Pelo,Ind_Status,Id_Especie");
    row("pelo",
        "Id_pelo,Descricao,Inserido_Por,Inserido_Em,Modificado_Por,Modificado_Em,"
        "Ind_Status");
    row("porte",
        "Id_porte,Descricao,Inserido_Em,Inserido_por,Modificado_Por,Modificado_Em,"
        "Ind_Status");
    row("atendimento_status",
        "Id_Atendimento_Status,Nome,Descricao,Inserido_Por,Inserido_Em,"
        "Modificado_Por,Modificado_Em,Ind_Status");
    row("unidade_medida",
        "Id_Unidade_Medida,Nome,Descricao,Modificado_Por,Modificado_Em,"
        "Inserido_Por,Inserido_Em,Ind_Status");
    row("medicamento",
        "Id_Medicamento,Id_Unidade_Medida,Nome,Inserido_Em,Modificado_Em,"
        "Modificado_Por,Inserido_Por,Descricao,Ind_Status");
    row("tipo_procedimento",
        "Id_Tipo_Procedimento,Nome,Descricao,Inserido_Por,Inserido_Em,"
        "Modificado_Por,Modificado_Em,Ind_Status");
    row("tipo_ocorrencia",
        "Id_Tipo_Ocorrencia,Nome,Descricao,Inserido_Por,Inserido_Em,"
        "Modificado_Por,Modificado_Em,Ind_Status,Ind_Finaliza_Caso");
    row("receituario_texto_peso",
        "Id_Receituario_texto_Peso,Peso,Texto,Inserido_Por,"
        "Inserido_Em,Modificado_Por,Modificado_Em,Ind_Status");
    row("tipo_vacina",
        "Id_tipo_vacina,Nome,Descricao,Ind_registro_ativo,Inserido_por,"
        "Inserido_em,Modificado_por,Modificado_em");
    row("tipo_motivo_nao_vacina",
        "ID_tipo_motivo_nao_vacina,Nome,Descricao,Ind_registro_ativo,"
        "Inserido_por,Inserido_em,Modificado_por,Modificado_em");
    row("tipo_vacina_ocorrencia",
        "Id_tipo_vacina_ocorrencia,Nome,Descricao,Inserido_por,"
        "Inserido_em,Modificado_por,Modificado_em,Ind_registro_ativo");
}

// "select *" hands the columns to screens and exports in this order, under these names.
void TstSchema::mainColumnsInServerOrder() {
    QFETCH(QString, table);
    QFETCH(QString, columns);
    const auto scratch = schemaOnly(Catalog::Main);
    QVERIFY(scratch);
    QCOMPARE(scratch->columnsOf(table).join(QLatin1Char(',')), columns);
}

void TstSchema::readOnlyCatalogsHaveColumnsRead_data() {
    QTest::addColumn<Catalog>("catalog");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("columns");
    const auto row = [](Catalog catalog, const char* table, const char* columns) {
        QTest::newRow(table) << catalog << QString::fromLatin1(table)
                             << QString::fromLatin1(columns);
    };
    const Catalog base = Catalog::AddressBase;
    row(base, "pesquisalograd",
        "NUM_LOGR,NUM_SEQU_LOGR,tip_logr,nom_logr,num_bair,nom_bair,"
        "tip_bair,tip_clss_bair,ind_bair_cord");
    row(base, "logradouroNome", "num_logr,num_sequ_logr,tip_logr,nom_logr");
    row(base, "logradouro", "num_logr,nom_logr");
    row(base, "logradouroimovel", "Num_Logr,Num_Imov,Val_Cood_X,Val_Cood_Y");
    row(base, "ceplogradouro", "num_logr,num_cep,ind_lado_logr,num_imov_inic,num_imov_fina");
    row(base, "bairro", "num_bair,nom_Bair,tip_bair,tip_clss_bair,SIT_REGT");
    row(base, "BairroLogradouro", "NUM_BAIR,NUM_LOGR");
    row(base, "localidade", "num_locl,nom_locl");
    row(base, "tipologradouro", "Tip_Logr,Des_Tip_Logr");
    row(base, "areaabrang", "cod_area_abrn,des_area_abrn,COD_DITR_SANI,SIT_REGT");
    row(Catalog::Zoonosis, "sa001041",
        "numboletim,numdistrito,numinca,catboletim,codlab,dtcoleta,numproto");
    row(Catalog::Zoonosis, "sa001042",
        "numboletim,numdistrito,numinca,codAmostra,nomecao,caosexo,nompropri,tipolograd,"
        "desclograd,numendprop,resultamostra,confamostra,dtconfamostra,aptocomprop");
}

void TstSchema::readOnlyCatalogsHaveColumnsRead() {
    QFETCH(Catalog, catalog);
    QFETCH(QString, table);
    QFETCH(QString, columns);
    const auto scratch = schemaOnly(catalog);
    QVERIFY(scratch);
    const QStringList present = scratch->columnsOf(table);
    for (const QString& column : columns.split(QLatin1Char(',')))
        QVERIFY2(present.contains(column, Qt::CaseInsensitive), qPrintable(column));
}

void TstSchema::textColumnsCompareLikeTheServer_data() {
    ddlRunsTwice_data();
}

// Every text column declares the server's collation, which the screens' filters rely on.
void TstSchema::textColumnsCompareLikeTheServer() {
    QFETCH(Catalog, catalog);
    const auto scratch = schemaOnly(catalog);
    QVERIFY(scratch);
    sqlite3* handle = *static_cast<sqlite3* const*>(scratch->db().driver()->handle().constData());
    const QStringList tables =
        scratch->column(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                       "AND name NOT LIKE 'sqlite%'"));
    QVERIFY(!tables.isEmpty());
    for (const QString& table : tables) {
        for (const QString& column : scratch->columnsOf(table)) {
            const char* type = nullptr;
            const char* collation = nullptr;
            QCOMPARE(sqlite3_table_column_metadata(handle, "main", table.toUtf8().constData(),
                                                   column.toUtf8().constData(), &type, &collation,
                                                   nullptr, nullptr, nullptr),
                     SQLITE_OK);
            const QString declared = QString::fromLatin1(type).toUpper();
            if (declared.contains(QLatin1String("CHAR")) ||
                declared.contains(QLatin1String("TEXT")))
                QVERIFY2(qstrcmp(collation, orbadil::db::kServerCollation) == 0,
                         qPrintable(table + QLatin1Char('.') + column));
        }
    }
}

void TstSchema::textComparisonIgnoresCaseAccentsAndTrailingBlanks_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("equal");
    QTest::newRow("case, accent, trailing blank")
        << QStringLiteral("JOSÉ DA SILVA") << QStringLiteral("jose da silva ") << true;
    QTest::newRow("cedilla and tilde")
        << QStringLiteral("CONCEIÇÃO") << QStringLiteral("Conceicao") << true;
    QTest::newRow("stored padded") << QStringLiteral("ATIVO   ") << QStringLiteral("ativo") << true;
    QTest::newRow("other name") << QStringLiteral("ANA") << QStringLiteral("ANA MARIA") << false;
    QTest::newRow("leading blank counts")
        << QStringLiteral("ANA") << QStringLiteral(" ANA") << false;
}

void TstSchema::textComparisonIgnoresCaseAccentsAndTrailingBlanks() {
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, equal);
    const auto scratch = schemaOnly(Catalog::Main);
    QVERIFY(scratch);
    QSqlQuery insert(scratch->db());
    QVERIFY(insert.prepare(QStringLiteral("INSERT INTO proprietario (Nome) VALUES (?)")));
    insert.addBindValue(stored);
    QVERIFY2(insert.exec(), qPrintable(insert.lastError().text()));
    QSqlQuery select(scratch->db());
    QVERIFY(select.prepare(QStringLiteral("SELECT count(*) FROM proprietario WHERE Nome = ?")));
    select.addBindValue(typed);
    QVERIFY2(select.exec() && select.next(), qPrintable(select.lastError().text()));
    QCOMPARE(select.value(0).toInt() == 1, equal);
}

void TstSchema::houseNumbersCompareAsNumbers_data() {
    QTest::addColumn<int>("house");
    QTest::addColumn<int>("postcode");
    QTest::newRow("95 is below 100") << 95 << 39990101;
    QTest::newRow("120 is above 99") << 120 << 39990103;
    QTest::newRow("first of the range") << 100 << 39990103;
    QTest::newRow("beyond every range") << 1000 << 0;
}

// The address screens paste the house number as a plain number into these range filters.
void TstSchema::houseNumbersCompareAsNumbers() {
    QFETCH(int, house);
    QFETCH(int, postcode);
    const auto scratch = schemaOnly(Catalog::AddressBase);
    QVERIFY(scratch);
    QCOMPARE(scratch->run(
                 QStringLiteral("INSERT INTO ceplogradouro VALUES (7, 39990101, 'I', '1', '99'), "
                                "(7, 39990103, 'I', '100', '999')")),
             QString());
    const QVariant found = scratch->value(
        QStringLiteral("SELECT coalesce(max(num_cep), 0) FROM ceplogradouro a WHERE a.num_logr = 7 "
                       "AND (a.NUM_IMOV_INIC <= %1) AND (a.NUM_IMOV_FINA >= %1)")
            .arg(house));
    QCOMPARE(found.toInt(), postcode);

    QCOMPARE(
        scratch->run(QStringLiteral("INSERT INTO logradouroimovel VALUES (7, '00057', 1.5, 2.5)")),
        QString());
    QCOMPARE(scratch->value(QStringLiteral(
                 "SELECT Val_Cood_X FROM LogradouroImovel WHERE NUM_LOGR = 7 AND NUM_IMOV = 57")),
             QVariant(1.5));
}

void TstSchema::serverAssignsKeys_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("column");
    QTest::newRow("usuario") << "usuario"
                             << "Id_Usuario"
                             << "Nome";
    QTest::newRow("proprietario") << "proprietario"
                                  << "Id_Proprietario"
                                  << "Nome";
    QTest::newRow("animal") << "animal"
                            << "Id_Animal"
                            << "Nome";
    QTest::newRow("endereco") << "endereco"
                              << "Id_Endereco"
                              << "NOM_LOGR";
    QTest::newRow("grupo_animal_animal") << "grupo_animal_animal"
                                         << "Id_Grupo_Animal_Animal"
                                         << "Id_Animal";
    QTest::newRow("atendimento") << "atendimento"
                                 << "Id_Atendimento"
                                 << "Id_Animal";
    QTest::newRow("procedimento") << "procedimento"
                                  << "Id_Procedimento"
                                  << "Id_Atendimento";
}

// Inserts that leave the key out read it back as the newest key. A deleted key is never given
// again: an owner's web account outlives the owner, and must not pass to the next one.
void TstSchema::serverAssignsKeys() {
    QFETCH(QString, table);
    QFETCH(QString, key);
    QFETCH(QString, column);
    const auto scratch = schemaOnly(Catalog::Main);
    QVERIFY(scratch);
    const QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (1)").arg(table, column);
    const QString newest =
        QStringLiteral("SELECT %1 FROM %2 ORDER BY %1 DESC LIMIT 1").arg(key, table);
    QCOMPARE(scratch->run({insert, insert}), QString());
    QCOMPARE(scratch->value(newest).toInt(), 2);
    QCOMPARE(scratch->run({QStringLiteral("DELETE FROM %1 WHERE %2 = 2").arg(table, key), insert}),
             QString());
    QCOMPARE(scratch->value(newest).toInt(), 3);
}

// One screen writes the highest key + 1, another leaves the key to the database.
void TstSchema::addressKeyExplicitOrAssigned() {
    const auto scratch = schemaOnly(Catalog::Main);
    QVERIFY(scratch);
    QCOMPARE(scratch->run(
                 {QStringLiteral("INSERT INTO endereco (NOM_LOGR) VALUES ('A')"),
                  QStringLiteral("INSERT INTO endereco (Id_Endereco, NOM_LOGR) VALUES (2, 'B')"),
                  QStringLiteral("INSERT INTO endereco (NOM_LOGR) VALUES ('C')")}),
             QString());
    QCOMPARE(scratch->column(QStringLiteral("SELECT Id_Endereco || NOM_LOGR FROM endereco "
                                            "ORDER BY Id_Endereco")),
             QStringList({"1A", "2B", "3C"}));
}

void TstSchema::keysAreUnique_data() {
    QTest::addColumn<QString>("insert");
    QTest::newRow("unit") << "INSERT INTO unidade_trabalho (Id_Unidade_Trabalho) VALUES (1)";
    QTest::newRow("address") << "INSERT INTO endereco (Id_Endereco) VALUES (1)";
    QTest::newRow("map") << "INSERT INTO mapa_disponibilidade_agenda "
                            "(Id_Mapa_disponibilidade_agenda) VALUES (1)";
    QTest::newRow("address link") << "INSERT INTO endereco_animal VALUES (1, 1)";
    QTest::newRow("attendance professional")
        << "INSERT INTO atendimento_profissional (Id_Profissional, Id_Atendimento) VALUES (1, 1)";
}

// Two stations computing the same key: the second store fails with the database's error.
void TstSchema::keysAreUnique() {
    QFETCH(QString, insert);
    const auto scratch = schemaOnly(Catalog::Main);
    QVERIFY(scratch);
    QCOMPARE(scratch->run(insert), QString());
    QVERIFY(!scratch->run(insert).isEmpty());
}

// The profile screen stores its rights list as it stands, a screen listed twice included.
void TstSchema::profileMayListAScreenTwice() {
    const auto scratch = schemaOnly(Catalog::Main);
    QVERIFY(scratch);
    const QString insert =
        QStringLiteral("INSERT INTO perfil_form VALUES (1, 6, 'S', 'S', 'S', 'S', 'S')");
    QCOMPARE(scratch->run({insert, insert}), QString());
    QCOMPARE(scratch->value(QStringLiteral("SELECT count(*) FROM perfil_form")).toInt(), 2);
}

void TstSchema::serverDefaults_data() {
    QTest::addColumn<QString>("insert");
    QTest::addColumn<QString>("select");
    QTest::addColumn<QVariant>("expected");
    const auto row = [](const char* name, const char* insert, const char* select,
                        const QVariant& expected) {
        QTest::newRow(name) << QString::fromLatin1(insert) << QString::fromLatin1(select)
                            << expected;
    };
    row("owner status", "INSERT INTO proprietario (Nome) VALUES ('A B')",
        "SELECT Status_Registro FROM proprietario", QStringLiteral("ATIVO"));
    row("user status", "INSERT INTO usuario (Nome) VALUES ('A')",
        "SELECT Status_Registro FROM usuario", QStringLiteral("ATIVO"));
    row("user not blocked", "INSERT INTO usuario (Nome) VALUES ('A')",
        "SELECT Bloqueado || Inativo FROM usuario", QStringLiteral("NAONAO"));
    row("professional status", "INSERT INTO profissional (Id_Profissional) VALUES (1)",
        "SELECT Ind_Status || Inativo || Bloqueado FROM profissional",
        QStringLiteral("ATIVONAONAO"));
    row("profile status", "INSERT INTO perfil (Id_Perfil) VALUES (1)",
        "SELECT Ind_Status FROM perfil", QStringLiteral("ATIVO"));
    row("screen status", "INSERT INTO form (Id_Form) VALUES (1)", "SELECT Ind_Status FROM form",
        QStringLiteral("ATIVO"));
    row("journey status", "INSERT INTO jornada_trabalho (Id_Jornada_Trabalho) VALUES (1)",
        "SELECT Status_Registro FROM jornada_trabalho", QStringLiteral("ATIVO"));
    row("special booking in force",
        "INSERT INTO agendamento_especial (id_Agendamento_especial) VALUES (1)",
        "SELECT Ind_Registro_Excluido FROM agendamento_especial", QStringLiteral("FALSE"));
    row("map used counts",
        "INSERT INTO mapa_disponibilidade_agenda "
        "(Id_Mapa_disponibilidade_agenda) VALUES (1)",
        "SELECT Qt_vaga_usada_geral + Qt_vaga_usada_f_grande_porte "
        "FROM mapa_disponibilidade_agenda",
        0);
    row("draft pending", "INSERT INTO mapa_rascunho (Id_Mapa_rascunho) VALUES (1)",
        "SELECT Status_Registro FROM mapa_rascunho", QStringLiteral("ATIVO"));
    row("occurrence type does not close", "INSERT INTO tipo_ocorrencia (Nome) VALUES ('X')",
        "SELECT Ind_Finaliza_Caso FROM tipo_ocorrencia", QStringLiteral("NAO"));
    row("animal weight band", "INSERT INTO animal (Nome) VALUES ('X')",
        "SELECT Id_faixa_peso_animal FROM animal", 1);
    row("vaccine type active", "INSERT INTO tipo_vacina (Nome) VALUES ('X')",
        "SELECT Ind_registro_ativo FROM tipo_vacina", QStringLiteral("ATIVO"));
    row("unit active", "INSERT INTO unidade_trabalho (Nome) VALUES ('X')",
        "SELECT Ind_Status FROM unidade_trabalho", QStringLiteral("ATIVO"));
}

void TstSchema::serverDefaults() {
    QFETCH(QString, insert);
    QFETCH(QString, select);
    QFETCH(QVariant, expected);
    const auto scratch = schemaOnly(Catalog::Main);
    QVERIFY(scratch);
    QCOMPARE(scratch->run(insert), QString());
    QCOMPARE(scratch->value(select).toString(), expected.toString());
}

// The user screen writes neither Status_Registro nor Senha; sign-in still offers the user.
void TstSchema::userStoredWithoutStatusIsOfferedAtSignIn() {
    const auto scratch = schemaOnly(Catalog::Main);
    QVERIFY(scratch);
    QCOMPARE(scratch->run(QStringLiteral(
                 "INSERT INTO usuario (Id_Unidade_Trabalho, Id_Perfil, Nome, Login, senha_crip, "
                 "Bloqueado, Inativo, Inserido_Por, Inserido_Em) VALUES (2, 1, 'NOVO USUARIO', "
                 "'NOVO', 'x', 'NAO', 'NAO', 1, '2026-01-01 10:00:00')")),
             QString());
    QCOMPARE(scratch->column(QStringLiteral(" select Id_Usuario, id_perfil, "
                                            " upper(Nome) as nome, Senha, senha_crip from usuario"
                                            " where  Id_Unidade_Trabalho = 2"
                                            " and Bloqueado = 'NAO' "
                                            " and inativo = 'NAO' "
                                            " and (login is not null) and (login <> '') "
                                            " and (nome is not null) and (nome <> '') "
                                            " and Id_Unidade_Trabalho <> 15 "
                                            " and Status_Registro = 'ATIVO'"
                                            " order by nome ")),
             QStringList{QStringLiteral("1")});
}

// --- export view --------------------------------------------------------------------------

void TstSchema::exportViewColumns() {
    const auto scratch = schemaOnly(Catalog::Main);
    QVERIFY(scratch);
    const QStringList expected =
        QStringLiteral(
            "id_prop,tp_pes,CPF_CNPJ,RG,prop,P_dist,P_CDArea,P_DSArea,P_DSBair,P_CEP,P_CDLogr,"
            "P_TPLogr,P_DSLogr,P_NU_Imov,P_Compl,P_cooX,P_cooY,id_animal,animal,sexo,pelo,porte,"
            "raca,"
            "sinais,cor,esteril,especie,microc,pedigree,A_dist,A_CDArea,A_DSArea,A_DSBair,A_CEP,"
            "A_CDLogr,A_TPLogr,A_DSLogr,A_NU_Imov,A_Compl,A_cooX,A_cooY,id_atend,st_atend,td_atend,"
            "AnoAtent,MesAtent,aut_ciru,uni_marc,uni_real,CUS_inse,NUS_inse,Dt_inse,CUS_mod,NUS_"
            "mod,"
            "DT_mod,profi,proce,Dt_nasc")
            .split(QLatin1Char(','));
    QCOMPARE(expected.size(), 58);
    QCOMPARE(scratch->columnsOf(QStringLiteral("Exportacao2")), expected);
}

// One attendance: its owner's address, the animal's latest address, the people and procedures.
void TstSchema::exportViewSpellsOutAnAttendance() {
    const auto scratch = schemaOnly(Catalog::Main);
    QVERIFY(scratch);
    const QString error = scratch->run({
        QStringLiteral("INSERT INTO distrito VALUES (3, 'D.S.LESTE', 'ATIVO')"),
        QStringLiteral("INSERT INTO endereco (Id_Endereco, Id_Distrito, COD_AREA_ABRN, NOM_LOGR) "
                       "VALUES (1, 3, 3101, 'DAS FLORES'), (4, 3, 3102, 'ANTIGA'), "
                       "(7, 3, 3101, 'NOVA')"),
        QStringLiteral("INSERT INTO proprietario (Id_Proprietario, Nome, Id_Endereco) "
                       "VALUES (1, 'ANA LIMA', 1)"),
        QStringLiteral("INSERT INTO especie (Id_Especie, Nome) VALUES (1, 'CANINA')"),
        QStringLiteral("INSERT INTO animal (Id_Animal, Id_Proprietario, Id_Especie, Nome, "
                       "Data_Nascimento) VALUES (5, 1, 1, 'REX', '2020-02-03 00:00:00')"),
        QStringLiteral("INSERT INTO endereco_animal VALUES (5, 7), (5, 4)"),
        QStringLiteral("INSERT INTO atendimento_status (Id_Atendimento_Status, Nome) "
                       "VALUES (1, 'AGENDADO')"),
        QStringLiteral("INSERT INTO unidade_trabalho (Id_Unidade_Trabalho, Nome) "
                       "VALUES (2, 'CCZ'), (5, 'OESTE')"),
        QStringLiteral("INSERT INTO usuario (Id_Usuario, Nome) VALUES (9, 'MARIA')"),
        QStringLiteral("INSERT INTO atendimento (Id_Atendimento, Id_Proprietario, Id_Animal, "
                       "Id_Unidade_Trabalho, Id_Unidade_Agendada, Data_Hora_Atendimento, "
                       "Id_Atendimento_Status, Inserido_Por, Inserido_Em) "
                       "VALUES (11, 1, 5, 2, 5, '2026-03-09 08:30:00', 1, 9, "
                       "'2026-03-01 10:00:00')"),
        QStringLiteral("INSERT INTO profissional (Id_Profissional, Nome) "
                       "VALUES (1, 'ZÉLIA'), (2, 'BRUNO'), (3, 'CARLA')"),
        QStringLiteral("INSERT INTO atendimento_profissional (Id_Profissional, Id_Atendimento) "
                       "VALUES (1, 11), (2, 11)"),
        QStringLiteral("INSERT INTO tipo_procedimento (Id_Tipo_Procedimento, Nome) "
                       "VALUES (12, 'CASTRAÇÃO')"),
        QStringLiteral("INSERT INTO procedimento (Id_Tipo_Procedimento, Id_Atendimento) "
                       "VALUES (12, 11)"),
    });
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QSqlQuery query(scratch->db());
    QVERIFY2(query.exec(QStringLiteral("select * from Exportacao2 where 1=1 and (dt_inse between "
                                       "'2026-03-01 00:00:00' and '2026-03-01 23:59:00') and "
                                       "st_atend = 'agendado'")),
             qPrintable(query.lastError().text()));
    QVERIFY(query.next());
    const QSqlRecord row = query.record();
    QCOMPARE(row.value("prop").toString(), QStringLiteral("ANA LIMA"));
    QCOMPARE(row.value("P_dist").toString(), QStringLiteral("D.S.LESTE"));
    QCOMPARE(row.value("P_DSLogr").toString(), QStringLiteral("DAS FLORES"));
    QCOMPARE(row.value("A_DSLogr").toString(), QStringLiteral("NOVA"));
    QCOMPARE(row.value("A_CDArea").toInt(), 3101);
    QCOMPARE(row.value("especie").toString(), QStringLiteral("CANINA"));
    QCOMPARE(row.value("uni_marc").toString(), QStringLiteral("CCZ"));
    QCOMPARE(row.value("uni_real").toString(), QStringLiteral("OESTE"));
    QCOMPARE(row.value("NUS_inse").toString(), QStringLiteral("MARIA"));
    QCOMPARE(row.value("AnoAtent").toString(), QStringLiteral("2026"));
    QCOMPARE(row.value("MesAtent").toString(), QStringLiteral("03"));
    QCOMPARE(row.value("profi").toString(), QStringLiteral("BRUNO, ZÉLIA"));
    QCOMPARE(row.value("proce").toString(), QStringLiteral("CASTRAÇÃO"));
    QCOMPARE(row.value("Dt_nasc").toString(), QStringLiteral("2020-02-03 00:00:00"));
    QVERIFY(!query.next());
}

// --- demo data ----------------------------------------------------------------------------

void TstSchema::demoLoadsIntoEveryTable_data() {
    QTest::addColumn<int>("catalog");
    QTest::newRow("main") << 0;
    QTest::newRow("address base") << 1;
    QTest::newRow("zoonosis") << 2;
}

// Every screen has something to show on first start.
void TstSchema::demoLoadsIntoEveryTable() {
    QFETCH(int, catalog);
    const Scratch* scratches[] = {&demoMain_, &demoAddressBase_, &demoZoonosis_};
    const Scratch& scratch = *scratches[catalog];
    const QStringList tables = scratch.column(
        QStringLiteral("SELECT name FROM main.sqlite_master WHERE type IN ('table', 'view') "
                       "AND name NOT LIKE 'sqlite%'"));
    QVERIFY(!tables.isEmpty());
    for (const QString& table : tables) {
        QVERIFY2(
            scratch.value(QStringLiteral("SELECT count(*) FROM main.%1").arg(table)).toInt() > 0,
            qPrintable(table));
    }
}

// The README's credentials, through the sign-in statements.
void TstSchema::administratorSignsIn() {
    QCOMPARE(demoMain_.column(QStringLiteral(
                 "select upper(nome) from unidade_trabalho where ind_status = 'ATIVO' "
                 "and id_unidade_trabalho = 1")),
             QStringList{QStringLiteral("CENTRO DE CONTROLE DE ZOONOSES")});
    QCOMPARE(demoMain_.column(QStringLiteral(
                 "select upper(Nome) from usuario where Id_Unidade_Trabalho = 1 "
                 "and Bloqueado = 'NAO' and inativo = 'NAO' and (login is not null) "
                 "and (login <> '') and (nome is not null) and (nome <> '') "
                 "and Id_Unidade_Trabalho <> 15 and Status_Registro = 'ATIVO' order by nome")),
             QStringList{QStringLiteral("ADMINISTRADOR")});
    const QString sha = digest("orbadil");
    QCOMPARE(sha.size(), 128);
    QCOMPARE(demoMain_.column(
                 QStringLiteral(" select Id_Perfil, Login, Senha from usuario where Id_Usuario = 1 "
                                "and senha_crip = '%1' and id_unidade_trabalho = 1")
                     .arg(sha)),
             QStringList{QStringLiteral("1000")});
    QCOMPARE(demoMain_.value(QStringLiteral("select Login from usuario where Id_Usuario = 1")),
             QVariant(QStringLiteral("admin")));
    QCOMPARE(demoMain_.value(QStringLiteral("select nome from perfil where id_perfil = 1000")),
             QVariant(QStringLiteral("ADMINISTRADOR")));
}

void TstSchema::demoDocumentsHaveValidCheckDigits() {
    QSqlQuery query(demoMain_.db());
    QVERIFY(query.exec(
        QStringLiteral("SELECT Num_CPF_CNPJ, Tipo_Pessoa FROM proprietario UNION ALL "
                       "SELECT u.Num_CPF_CNPJ, p.Tipo_Pessoa FROM usuario u "
                       "JOIN proprietario p ON p.Id_Proprietario = u.id_proprietario UNION ALL "
                       "SELECT u.Login, p.Tipo_Pessoa FROM usuario u "
                       "JOIN proprietario p ON p.Id_Proprietario = u.id_proprietario")));
    int persons = 0;
    int companies = 0;
    while (query.next()) {
        const QString number = query.value(0).toString();
        if (query.value(1).toString() == QStringLiteral("JURÍDICA")) {
            QVERIFY2(validCnpj(number), qPrintable(number));
            ++companies;
        } else {
            QVERIFY2(validCpf(number), qPrintable(number));
            ++persons;
        }
    }
    QVERIFY(persons > 0);
    QVERIFY(companies > 0);
    // The check itself refuses a wrong digit.
    QVERIFY(!validCpf(QStringLiteral("11111111111")));
    QVERIFY(!validCnpj(QStringLiteral("11222333000182")));
    QVERIFY(validCnpj(QStringLiteral("11222333000181")));
}

void TstSchema::demoReferencesResolve_data() {
    QTest::addColumn<QString>("orphans");
    const auto row = [](const char* name, const char* sql) {
        QTest::newRow(name) << QString::fromUtf8(sql);
    };
    row("animal owner",
        "SELECT Id_Animal FROM animal a WHERE NOT EXISTS "
        "(SELECT 1 FROM proprietario p WHERE p.Id_Proprietario = a.Id_Proprietario)");
    row("animal breed of its species",
        "SELECT Id_Animal FROM animal a WHERE NOT EXISTS (SELECT 1 FROM raca r "
        "WHERE r.Id_Raca = a.Id_Raca AND r.Id_Especie = a.Id_Especie)");
    row("animal species",
        "SELECT Id_Animal FROM animal a WHERE NOT EXISTS "
        "(SELECT 1 FROM especie e WHERE e.Id_Especie = a.Id_Especie)");
    row("animal coat, size, group",
        "SELECT Id_Animal FROM animal a WHERE a.Id_Pelo NOT IN (SELECT Id_pelo FROM pelo) "
        "OR a.Id_Porte NOT IN (SELECT Id_porte FROM porte) "
        "OR a.Id_Grupo_Animal NOT IN (SELECT Id_Grupo_Animal FROM grupo_animal)");
    row("animal current group",
        "SELECT Id_Animal FROM animal a WHERE a.Id_Grupo_Animal <> "
        "(SELECT g.Id_Grupo_Animal FROM grupo_animal_animal g "
        "WHERE g.Id_Animal = a.Id_Animal "
        "ORDER BY g.Id_Grupo_Animal_Animal DESC LIMIT 1)");
    row("animal address",
        "SELECT Id_Animal FROM animal a WHERE NOT EXISTS (SELECT 1 FROM "
        "endereco_animal l JOIN endereco e ON e.Id_Endereco = l.Id_Endereco "
        "WHERE l.Id_Animal = a.Id_Animal)");
    row("animal first ownership",
        "SELECT Id_Animal FROM animal a WHERE (SELECT count(*) FROM "
        "histo_muda_proprietario h WHERE h.Id_Animal = a.Id_Animal "
        "AND h.Id_Anterior_Proprietario IS NULL) <> 1");
    row("animal owner in history",
        "SELECT Id_Animal FROM animal a WHERE a.Id_Proprietario <> "
        "(SELECT h.Id_Proprietario FROM histo_muda_proprietario h "
        "WHERE h.Id_Animal = a.Id_Animal "
        "ORDER BY h.Id_Histo_Muda_Proprietario DESC LIMIT 1)");
    row("owner address",
        "SELECT Id_Proprietario FROM proprietario p WHERE NOT EXISTS "
        "(SELECT 1 FROM endereco e WHERE e.Id_Endereco = p.Id_Endereco)");
    row("owner web account",
        "SELECT Id_Proprietario FROM proprietario p WHERE NOT EXISTS "
        "(SELECT 1 FROM usuario u WHERE u.Id_Usuario = p.id_usu_web "
        "AND u.id_proprietario = p.Id_Proprietario "
        "AND u.Id_Unidade_Trabalho = 15)");
    row("owner unit",
        "SELECT Id_Proprietario FROM proprietario p WHERE NOT EXISTS "
        "(SELECT 1 FROM unidade_trabalho u "
        "WHERE u.Id_Unidade_Trabalho = p.id_Unidade_Trabalho)");
    row("address street",
        "SELECT Id_Endereco FROM endereco e WHERE NOT EXISTS "
        "(SELECT 1 FROM padrao.logradouroNome n WHERE n.num_logr = e.NUM_LOGR "
        "AND n.num_sequ_logr = e.NUM_SEQU_LOGR AND n.nom_logr = e.NOM_LOGR "
        "AND n.tip_logr = e.TIP_LOGR)");
    row("address district of the street",
        "SELECT Id_Endereco FROM endereco e WHERE NOT EXISTS (SELECT 1 FROM "
        "padrao.BairroLogradouro b JOIN padrao.bairro n ON n.num_bair = b.NUM_BAIR "
        "WHERE b.NUM_LOGR = e.NUM_LOGR AND n.num_bair = e.NUM_BAIR AND n.nom_Bair = e.NOM_BAIR)");
    row("address postcode of the side",
        "SELECT Id_Endereco FROM endereco e WHERE NOT EXISTS (SELECT 1 FROM padrao.ceplogradouro c "
        "WHERE c.num_logr = e.NUM_LOGR AND c.num_cep = CAST(e.NUM_CEP AS INTEGER) "
        "AND c.num_imov_inic <= e.NUM_IMOV_LOGR AND c.num_imov_fina >= e.NUM_IMOV_LOGR "
        "AND c.ind_lado_logr = CASE e.NUM_IMOV_LOGR % 2 WHEN 0 THEN 'P' ELSE 'I' END)");
    row("address area of its health district",
        "SELECT Id_Endereco FROM endereco e WHERE NOT EXISTS (SELECT 1 FROM padrao.areaabrang a "
        "JOIN distrito d ON d.Id_Distrito = a.COD_DITR_SANI "
        "WHERE a.cod_area_abrn = e.COD_AREA_ABRN AND d.Id_Distrito = e.Id_Distrito)");
    row("address locality",
        "SELECT Id_Endereco FROM endereco e WHERE NOT EXISTS (SELECT 1 FROM "
        "padrao.localidade l WHERE l.num_locl = e.num_locl "
        "AND l.nom_locl = e.nom_locl)");
    row("address coordinates",
        "SELECT Id_Endereco FROM endereco e WHERE NOT EXISTS (SELECT 1 "
        "FROM padrao.logradouroimovel i WHERE i.Num_Logr = e.NUM_LOGR "
        "AND i.Num_Imov = e.NUM_IMOV_LOGR AND i.Val_Cood_X = e.End_X "
        "AND i.Val_Cood_Y = e.End_Y)");
    row("user unit and profile",
        "SELECT Id_Usuario FROM usuario u WHERE NOT EXISTS (SELECT 1 "
        "FROM unidade_trabalho t WHERE t.Id_Unidade_Trabalho = "
        "u.Id_Unidade_Trabalho) OR NOT EXISTS (SELECT 1 FROM perfil p "
        "WHERE p.Id_Perfil = u.Id_Perfil)");
    row("rights",
        "SELECT Id_Perfil FROM perfil_form r WHERE NOT EXISTS (SELECT 1 FROM perfil p "
        "WHERE p.Id_Perfil = r.Id_Perfil) OR NOT EXISTS (SELECT 1 FROM form f "
        "WHERE f.Id_Form = r.Id_Form)");
    row("attendance",
        "SELECT Id_Atendimento FROM atendimento a WHERE NOT EXISTS (SELECT 1 FROM "
        "animal n WHERE n.Id_Animal = a.Id_Animal) OR NOT EXISTS (SELECT 1 FROM "
        "atendimento_status s WHERE s.Id_Atendimento_Status = "
        "a.Id_Atendimento_Status) OR a.Id_Unidade_Agendada NOT IN "
        "(SELECT Id_Unidade_Trabalho FROM unidade_trabalho) "
        "OR a.Inserido_Por NOT IN (SELECT Id_Usuario FROM usuario)");
    row("attendance details",
        "SELECT Id_Atendimento FROM atendimento_profissional WHERE "
        "Id_Profissional NOT IN (SELECT Id_Profissional FROM profissional) "
        "UNION SELECT Id_Atendimento FROM procedimento WHERE "
        "Id_Tipo_Procedimento NOT IN (SELECT Id_Tipo_Procedimento FROM "
        "tipo_procedimento) UNION SELECT Id_Atendimento FROM "
        "medicamento_gasto WHERE Id_Medicamento NOT IN (SELECT "
        "Id_Medicamento FROM medicamento)");
    row("vaccination choices",
        "SELECT Id_vacina FROM vacina v WHERE "
        "(v.Id_tipo_vacina <> 1) + (v.Id_tipo_motivo_nao_vacina <> 1) + "
        "(v.Id_tipo_vacina_ocorrencia <> 1) <> 1");
    row("journey weekday",
        "SELECT Id_Jornada_Trabalho FROM jornada_trabalho WHERE Id_Dia_Semana "
        "NOT IN (SELECT id_dia_semana FROM dia_semana)");
    row("map references",
        "SELECT Id_Mapa_disponibilidade_agenda FROM mapa_disponibilidade_agenda "
        "m WHERE m.Id_Especie NOT IN (SELECT Id_Especie FROM especie) OR "
        "m.Id_tipo_procedimento NOT IN (SELECT Id_Tipo_Procedimento FROM "
        "tipo_procedimento) OR (m.COD_AREA_ABRN IS NOT NULL AND "
        "m.COD_AREA_ABRN NOT IN (SELECT cod_area_abrn FROM padrao.areaabrang))");
    row("map slot once",
        "SELECT count(*) FROM mapa_disponibilidade_agenda GROUP BY "
        "Id_unidade_trabalho, Id_Especie, Data_hora_disponibilidade, "
        "Id_tipo_procedimento HAVING count(*) > 1");
    row("map counts",
        "SELECT Id_Mapa_disponibilidade_agenda FROM mapa_disponibilidade_agenda "
        "WHERE Qt_vaga_usada_geral > Qt_vaga_disponivel_geral "
        "OR Qt_vaga_usada_f_grande_porte > Qt_vaga_disp_f_grande_porte "
        "OR (Id_Especie = 1 AND Qt_vaga_disponivel_geral > 0 "
        "AND Qt_vaga_disp_f_grande_porte > 0) "
        "OR (Id_Especie = 2 AND Qt_vaga_disp_f_grande_porte > 0) "
        "OR Qt_vaga_disponivel_geral + Qt_vaga_disp_f_grande_porte = 0");
    row("leishmaniasis sample bulletin",
        "SELECT codAmostra FROM sa001042 b WHERE NOT EXISTS (SELECT 1 FROM sa001041 a "
        "WHERE a.numinca = b.numinca AND a.numdistrito = b.numdistrito "
        "AND a.numboletim = b.numboletim)");
}

void TstSchema::demoReferencesResolve() {
    QFETCH(QString, orphans);
    const bool zoonosis = orphans.contains(QLatin1String("sa0010"));
    const Scratch& scratch = zoonosis ? demoZoonosis_ : demoMain_;
    QCOMPARE(scratch.column(orphans), QStringList());
}

void TstSchema::screenRegistryFollowsTheMenu_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("tag");
    // Menu commands with a number of their own: screen number and command tag.
    const int tagged[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                          17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32,
                          33, 35, 36, 37, 38, 39, 40, 42, 43, 44, 45, 46, 47, 48, 49, 50};
    for (int screen : tagged) QTest::addRow("%03d", screen) << screen << screen;
    for (int screen : {41, 51, 52, 60}) QTest::addRow("%03d untagged", screen) << screen << 0;
}

// The main window enables a command when a rights row's screen carries the command's tag.
void TstSchema::screenRegistryFollowsTheMenu() {
    QFETCH(int, screen);
    QFETCH(int, tag);
    QCOMPARE(demoMain_.column(QStringLiteral("SELECT Tag FROM form WHERE Id_Form = %1 "
                                             "AND Ind_Status = 'ATIVO'")
                                  .arg(screen)),
             QStringList{QString::number(tag)});
}

void TstSchema::administratorProfileHasEveryScreen() {
    QCOMPARE(demoMain_.column(QStringLiteral(
                 "SELECT Id_Form FROM form f WHERE NOT EXISTS (SELECT 1 FROM perfil_form r "
                 "WHERE r.Id_Perfil = 1000 AND r.Id_Form = f.Id_Form AND r.Visualizar = 'S' "
                 "AND r.Incluir = 'S' AND r.Alterar = 'S' AND r.Excluir = 'S' "
                 "AND r.Imprimir = 'S')")),
             QStringList());
    // Another profile shows what partial rights hide.
    QVERIFY(demoMain_
                .value(QStringLiteral("SELECT count(*) FROM perfil_form WHERE Id_Perfil <> "
                                      "1000 AND 'N' IN (Incluir, Alterar, Excluir)"))
                .toInt() > 0);
}

// The agenda refuses a day that is not in exactly one epidemiological week.
void TstSchema::epidemiologicalWeeksCoverEveryDay() {
    const QString uncovered = QStringLiteral(
        "WITH RECURSIVE day(d) AS (SELECT '%1' UNION ALL SELECT date(d, '+1 day') FROM day "
        "WHERE d < '%2') SELECT d FROM day WHERE (SELECT count(*) FROM semana_epidemiologica "
        "WHERE d || ' 12:00:00' BETWEEN dtinisep AND dtfimsep) <> 1");
    QCOMPARE(demoMain_.column(uncovered.arg("2024-01-01", "2028-12-30")), QStringList());
    const QDate today = QDate::currentDate();
    QCOMPARE(demoMain_.column(uncovered.arg(today.toString(Qt::ISODate),
                                            today.addYears(1).toString(Qt::ISODate))),
             QStringList());
    QCOMPARE(demoMain_.column(QStringLiteral(
                 "SELECT dtinisep FROM semana_epidemiologica WHERE strftime('%w', dtinisep) <> '0' "
                 "OR julianday(dtfimsep) - julianday(dtinisep) >= 7")),
             QStringList());
    // Week 1 holds 4 January; 2026 begins its first week on Sunday 4 January.
    QCOMPARE(demoMain_.value(QStringLiteral("SELECT nridesep FROM semana_epidemiologica "
                                            "WHERE '2026-01-03 09:00:00' BETWEEN dtinisep AND "
                                            "dtfimsep")),
             QVariant(53));
    QCOMPARE(demoMain_.value(QStringLiteral("SELECT nrideano || '/' || nridesep FROM "
                                            "semana_epidemiologica WHERE '2026-01-04 00:00:00' "
                                            "BETWEEN dtinisep AND dtfimsep")),
             QVariant(QStringLiteral("2026/1")));
}

void TstSchema::demoAnswersScreenStatements_data() {
    QTest::addColumn<int>("catalog");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<int>("minimumRows");
    constexpr int kMain = 0;
    constexpr int kAddressBase = 1;
    constexpr int kZoonosis = 2;
    // Statements of the screens that need no dialect rewriting, as the screens write them.
    QTest::newRow("journey weekday names")
        << kMain << " select * from dia_semana where nome = 'Sebado'" << 1;
    QTest::newRow("map procedure")
        << kMain
        << "select Id_Tipo_Procedimento, upper(Nome) as nome from Tipo_Procedimento "
           "where Ind_Status = 'ATIVO'  and  Id_Tipo_Procedimento = 12"
        << 1;
    QTest::newRow("new animal defaults")
        << kMain
        << "select 1 from grupo_animal g, especie e, raca r, porte p, pelo c "
           "where g.nome = 'domiciliado' and e.nome = 'canina' and r.nome = "
           "'sem raça definida - srd' and r.id_especie = e.id_especie and p.descricao = 'pequeno' "
           "and c.descricao = 'curto'"
        << 1;
    QTest::newRow("vaccine choices")
        << kMain
        << "select Id_tipo_vacina, Nome, Descricao from Tipo_vacina "
           "where Ind_registro_ativo = 'ATIVO' and Nome = 'Não se aplica'"
        << 1;
    QTest::newRow("advanced search")
        << kMain
        << " select a.Id_Animal, b.nome as nome_Prop, d.Dt_Entrada_Grupo, j.NOM_LOGR, "
           "l.nome as nome_distrito from animal a "
           "left outer join proprietario b on (a.id_proprietario = b.id_proprietario) "
           "left outer join grupo_animal_animal d on (a.Id_animal = d.id_animal "
           "and d.Id_Grupo_Animal_Animal =(select max(y.Id_Grupo_Animal_Animal) "
           "from Grupo_Animal_Animal y where a.Id_animal = y.id_animal)) "
           "left outer join  endereco_animal i on (a.Id_animal = i.id_animal "
           "and i.id_endereco = (select max(z.id_endereco) "
           "from endereco_animal z where a.Id_animal = z.id_animal)) "
           "left outer join  endereco j on (i.Id_endereco = j.id_endereco ) "
           "left outer join  distrito l on (j.Id_distrito = l.Id_distrito ) "
           "where b.Status_Registro = 'ATIVO' and REPLACE(a.num_microchip, ' ','') "
           "like '%982000411223355%'"
        << 1;
    QTest::newRow("street search")
        << kAddressBase
        << " select distinct tip_bair, num_bair, nom_bair, NUM_LOGR,NUM_SEQU_LOGR,tip_logr, "
           "nom_logr  from pesquisaLograd  where tip_clss_bair in ( 'o','p')  and "
           "ind_bair_cord = 'N' and nom_logr like 'DAS PALMEIRAS%' order by nom_logr "
        << 2;
    QTest::newRow("neighbourhoods of a street")
        << kAddressBase
        << " select distinct BairroLogradouro.NUM_BAIR, NOM_BAIR, TIP_BAIR  from "
           "BairroLogradouro  join Bairro on (BairroLogradouro.NUM_BAIR = Bairro.NUM_BAIR and "
           "Bairro.TIP_CLSS_BAIR = 'P' ) where BairroLogradouro.NUM_LOGR =101002"
        << 2;
    QTest::newRow("areas of district 3")
        << kAddressBase
        << " select cod_area_abrn, des_area_abrn from areaAbrang  where cod_ditr_sani = 3 "
           "and sit_regt = 'A'"
        << 2;
    QTest::newRow("leishmaniasis by dog name")
        << kZoonosis
        << " select b.codAmostra from sa001041 a, sa001042 b  where a.numinca = b.numinca "
           "and a.numdistrito = b.numdistrito  and  a.numboletim = b.numboletim "
           "and b.nomecao LIKE 'REX%'"
        << 2;
}

void TstSchema::demoAnswersScreenStatements() {
    QFETCH(int, catalog);
    QFETCH(QString, statement);
    QFETCH(int, minimumRows);
    const Scratch* scratches[] = {&demoMain_, &demoAddressBase_, &demoZoonosis_};
    QVERIFY2(scratches[catalog]->column(statement).size() >= minimumRows, qPrintable(statement));
}

// The extractor's view finds the demo attendances, each once.
void TstSchema::exportViewListsDemoAttendances() {
    QCOMPARE(demoMain_.value(QStringLiteral("select count(*) from Exportacao2")),
             demoMain_.value(QStringLiteral("select count(*) from atendimento")));
    QCOMPARE(
        demoMain_.value(QStringLiteral("select count(*) from Exportacao2 where id_prop is null "
                                       "or id_animal is null or st_atend is null "
                                       "or P_DSLogr is null or A_DSLogr is null")),
        QVariant(0));
}

QTEST_GUILESS_MAIN(TstSchema)
#include "tst_schema.moc"

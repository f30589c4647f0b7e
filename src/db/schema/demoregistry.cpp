// Demo owners with their addresses and web accounts, and their animals with the rows that keep
// each animal's history (address links, group memberships, ownership records, vaccinations).

#include "db/schema/demo_p.h"
#include "db/schema/demoaddress.h"
#include "db/schema/sqlinsert.h"

namespace orbadil::db::schema::detail::demo {
namespace {
using namespace Qt::StringLiterals;

constexpr int kClerk = 2;  // the staff user who registered the demo owners
constexpr int kFirstWebAccount = 101;
const QString kWebPassword = u"tutor12345"_s;

struct Owner {
    int id;
    const char* name;
    bool company;
    const char* documentBase;  // CPF or CNPJ without its check digits
    const char* identityCard;
    const char* homePhone;
    const char* mobilePhone;
    const char* email;
    int unit;
    int street;
    int house;
    const char* complement;
    const char* status;
    const char* webBlock;  // "NÃO", "SIM" (blocked here) or "WEB" (blocked by the portal)
};

const Owner kOwners[] = {
    {1, "ANA BEATRIZ CARVALHO", false, "381546720", "7.654.321", "(36)34561200", "(36)98877-6655",
     "ana.carvalho@exemplo.com.br", key::kSurgeryUnit, 101001, 57, "CASA", "ATIVO", "NÃO"},
    {2, "JOÃO PEDRO ALVES", false, "704219835", "12.908.774", "(36)33217788", "(36)99123-4567",
     "joao.alves@exemplo.com.br", key::kSurgeryUnit, 101002, 1240, "APTO 302", "ATIVO", "NÃO"},
    {3, "CONCEIÇÃO RIBEIRO DIAS", false, "263870194", "4.551.902", "(36)35550101", "",
     "conceicao.dias@exemplo.com.br", key::kWestUnit, 101003, 233, "", "ATIVO", "WEB"},
    {4, "RAIMUNDO NONATO GONÇALVES", false, "915347608", "9.870.115", "(36)34012233",
     "(36)98450-1122", "raimundo.goncalves@exemplo.com.br", key::kWestUnit, 101004, 88, "FUNDOS",
     "ATIVO", "SIM"},
    {5, "ASSOCIAÇÃO PROTETORA AMIGOS DE QUATRO PATAS", true, "274615380001", "", "(36)32104455",
     "(36)99876-5432", "contato@quatropatas.org.br", key::kNortheastUnit, 101006, 1500, "GALPÃO 2",
     "ATIVO", "NÃO"},
    {6, "LÚCIA HELENA MOREIRA", false, "148603527", "3.302.448", "(36)36607080", "",
     "lucia.moreira@exemplo.com.br", key::kSurgeryUnit, 101007, 45, "", "INATIVO", "NÃO"},
    {7, "BENEDITO ARAÚJO FONTES", false, "530718462", "6.118.093", "(36)33441020", "(36)98111-2233",
     "benedito.fontes@exemplo.com.br", key::kTarvelaUnit, 101008, 12, "", "ATIVO", "NÃO"},
};

struct Animal {
    int id;
    int owner;       // current owner
    int firstOwner;  // owner at registration
    const char* name;
    int species;
    int breed;
    int size;
    int coat;
    const char* sex;
    const char* born;
    const char* sterilised;
    const char* microchip;
    const char* colour;
    const char* marks;
    const char* pedigree;
    int group;
};

const Animal kAnimals[] = {
    {1, 1, 1, "PANDORA", key::kDog, 1, 2, 1, "F", "2019-03-10 00:00:00", "SIM", "982000411223344",
     "CARAMELO", "MANCHA BRANCA NO PEITO", "", 1},
    {2, 1, 1, "TOBIAS", key::kDog, 2, 1, 2, "M", "2021-07-22 00:00:00", "NAO", "", "BRANCO", "", "",
     1},
    {3, 2, 2, "MIMOSA", key::kCat, 8, 1, 1, "F", "2022-01-15 00:00:00", "SIM",
     "982 000 411 223 355", "TRICOLOR", "ORELHA ESQUERDA COM CORTE", "", 1},
    {4, 3, 3, "THOR", key::kDog, 3, 3, 1, "M", "2018-11-02 00:00:00", "NAO", "", "PRETO",
     "CICATRIZ NA PATA TRASEIRA", "", 2},
    {5, 4, 4, "FLOQUINHO", key::kCat, 10, 1, 3, "M", "2020-05-30 00:00:00", "NAO", "", "CINZA", "",
     "", 1},
    {6, 4, 3, "BELINHA", key::kDog, 5, 1, 3, "F", "2023-02-14 00:00:00", "NAO", "981020000123456",
     "BRANCO E DOURADO", "", "SOB-0042317", 1},
    {7, 5, 5, "CAPITU", key::kCat, 8, 1, 1, "F", "2021-09-01 00:00:00", "SIM", "", "PRETA",
     "OLHOS VERDES", "", 3},
    {8, 5, 5, "BIDU", key::kDog, 1, 2, 1, "M", "2017-04-20 00:00:00", "SIM", "", "MARROM",
     "RABO CORTADO", "", 3},
    {9, 6, 6, "LUPI", key::kDog, 6, 1, 1, "F", "2016-08-08 00:00:00", "NAO", "", "PRETO E CANELA",
     "", "", 1},
};

// BELINHA moved with her new owner; every other animal lives at its first owner's address.
constexpr int kMovedAnimal = 6;
constexpr int kMovedToStreet = 101013;
constexpr int kMovedToHouse = 310;

QString document(const Owner& owner) {
    const QString base = QString::fromLatin1(owner.documentBase);
    return owner.company ? withCnpjCheckDigits(base) : withCpfCheckDigits(base);
}

const Owner& owner(int id) {
    return kOwners[id - 1];
}

QString registeredAt(const Calendar& calendar, int ownerId) {
    return calendar.at(-330 + ownerId * 12, u"09:30"_s);
}

class AddressRows {
  public:
    AddressRows()
        : insert_(u"endereco"_s, {u"Id_Endereco"_s,
                                  u"Id_Distrito"_s,
                                  u"COD_AREA_ABRN"_s,
                                  u"NUM_LOGR"_s,
                                  u"NUM_SEQU_LOGR"_s,
                                  u"TIP_LOGR"_s,
                                  u"NOM_LOGR"_s,
                                  u"NUM_IMOV_LOGR"_s,
                                  u"DES_CMPL_ENDR"_s,
                                  u"NUM_BAIR"_s,
                                  u"NOM_BAIR"_s,
                                  u"NUM_CEP"_s,
                                  u"num_locl"_s,
                                  u"nom_locl"_s,
                                  u"End_X"_s,
                                  u"End_Y"_s,
                                  u"Inserido_Por"_s,
                                  u"Inserido_Em"_s,
                                  u"Ind_Endereco_Informado"_s,
                                  u"data_inicial_end"_s}) {}

    int add(int streetCode, int house, const char* complement, const QString& insertedAt,
            const QVariant& official, const QVariant& since) {
        const Street& s = street(streetCode);
        const Neighbourhood& n = neighbourhood(s.neighbourhoods.first());
        const Coordinates at = houseCoordinates(streetCode, house);
        insert_.row({++lastId_,  coverageArea(n.area).district,
                     n.area,     s.code,
                     1,          s.type,
                     s.name,     house,
                     complement, n.code,
                     n.name,     QString::number(postcode(streetCode, house)),
                     kLocality,  kLocalityName,
                     at.x,       at.y,
                     kClerk,     insertedAt,
                     official,   since});
        return lastId_;
    }
    QStringList statements() const { return insert_.statements(); }

  private:
    Insert insert_;
    int lastId_ = 0;
};

QStringList owners(const Calendar& calendar, AddressRows& addresses) {
    Insert insert(
        u"proprietario"_s,
        {u"Id_Proprietario"_s, u"Nome"_s, u"Telefone_Residencial"_s, u"Telefone_Celular"_s,
         u"Telefone_Recado"_s, u"Num_CPF_CNPJ"_s, u"Tipo_Pessoa"_s, u"Num_CI"_s, u"Inserido_Por"_s,
         u"Inserido_Em"_s, u"Id_Endereco"_s, u"id_Unidade_Trabalho"_s, u"Email_Proprietario"_s,
         u"id_usu_web"_s, u"Status_Registro"_s});
    for (const Owner& o : kOwners) {
        const QString at = registeredAt(calendar, o.id);
        const int address = addresses.add(o.street, o.house, o.complement, at, "SIM", kNull);
        insert.row({o.id, o.name, o.homePhone, o.mobilePhone, "", document(o),
                    o.company ? "JURÍDICA" : "FÍSICA", o.identityCard, kClerk, at, address, o.unit,
                    o.email, kFirstWebAccount + o.id - 1, o.status});
    }
    return insert.statements();
}

// The owners' accounts on the web portal, which shares the users table under unit 15.
QStringList webAccounts(const Calendar& calendar) {
    Insert insert(
        u"usuario"_s,
        {u"Id_Usuario"_s, u"Id_Unidade_Trabalho"_s, u"Id_Perfil"_s, u"Nome"_s, u"Login"_s,
         u"Bloqueado"_s, u"Inativo"_s, u"Inserido_Por"_s, u"Inserido_Em"_s, u"senha_crip"_s,
         u"DDD_TEL_USU"_s, u"Email_usu"_s, u"id_proprietario"_s, u"Ind_solicitacao_nova_senha"_s,
         u"Num_CPF_CNPJ"_s, u"Status_Registro"_s, u"Telefone_usu"_s});
    const QString digest = passwordDigest(kWebPassword);
    for (const Owner& o : kOwners) {
        const QString phone = QString::fromUtf8(*o.mobilePhone ? o.mobilePhone : o.homePhone);
        insert.row({kFirstWebAccount + o.id - 1, key::kWebUnit, key::kClerkProfile, o.name,
                    document(o), o.webBlock, "NAO", kClerk, registeredAt(calendar, o.id), digest,
                    phone.mid(1, 2), o.email, o.id, "N", document(o), "ATIVO", phone.mid(4)});
    }
    return insert.statements();
}

QStringList animals(const Calendar& calendar, AddressRows& addresses) {
    Insert animalRows(
        u"animal"_s,
        {u"Id_Animal"_s, u"Id_Proprietario"_s, u"Id_Especie"_s, u"Id_Raca"_s, u"Id_Pelo"_s,
         u"Id_Porte"_s, u"Nome"_s, u"Sexo"_s, u"Data_Nascimento"_s, u"Esterilizado"_s,
         u"Num_Microchip"_s, u"Cor"_s, u"Sinais"_s, u"Num_Pedigree"_s, u"OBS"_s,
         u"Id_Grupo_Animal"_s, u"Inserido_Por"_s, u"Inserido_Em"_s, u"Id_faixa_peso_animal"_s});
    Insert links(u"endereco_animal"_s, {u"Id_Animal"_s, u"Id_Endereco"_s});
    Insert groups(u"grupo_animal_animal"_s, {u"Id_Grupo_Animal_Animal"_s, u"Id_Grupo_Animal"_s,
                                             u"Id_Animal"_s, u"Dt_Entrada_Grupo"_s});
    Insert history(
        u"histo_muda_proprietario"_s,
        {u"Id_Histo_Muda_Proprietario"_s, u"Id_Animal"_s, u"Id_Anterior_Proprietario"_s,
         u"Id_Proprietario"_s, u"Dt_Muda_Proprietario"_s, u"Inserido_Por"_s, u"Inserido_Em"_s});
    int groupRow = 0;
    int historyRow = 0;
    for (const Animal& a : kAnimals) {
        const Owner& first = owner(a.firstOwner);
        const QString at = calendar.at(-325 + a.firstOwner * 12 + a.id, u"10:15"_s);
        const int address =
            addresses.add(first.street, first.house, first.complement, at, kNull, kNull);
        animalRows.row({a.id, a.owner, a.species, a.breed, a.coat, a.size, a.name, a.sex, a.born,
                        a.sterilised, a.microchip, a.colour, a.marks, a.pedigree, "", a.group,
                        kClerk, at, 1});
        links.row({a.id, address});
        history.row({++historyRow, a.id, kNull, a.firstOwner, kNull, kClerk, at});
        if (a.group != 1)  // joined its current group later
            groups.row({++groupRow, 1, a.id, at});
        groups.row({++groupRow, a.group, a.id, a.group != 1 ? calendar.at(-120, u"11:00"_s) : at});
    }
    // The transfer of BELINHA, and her move to her new owner's street.
    const QString transferred = calendar.at(-45, u"14:20"_s);
    history.row({++historyRow, kMovedAnimal, kAnimals[kMovedAnimal - 1].firstOwner,
                 kAnimals[kMovedAnimal - 1].owner, calendar.at(-45, u"00:00"_s), kClerk,
                 transferred});
    const int moved = addresses.add(kMovedToStreet, kMovedToHouse, "", transferred, kNull,
                                    calendar.at(-45, u"00:00"_s));
    links.row({kMovedAnimal, moved});
    return animalRows.statements() + links.statements() + groups.statements() +
           history.statements();
}

QStringList vaccinations(const Calendar& calendar) {
    // Vaccine, reason for not vaccinating and vaccinal occurrence: 1 is "Não se aplica".
    Insert insert(u"vacina"_s, {u"Id_vacina"_s, u"Id_Animal"_s, u"Id_tipo_vacina"_s,
                                u"Id_tipo_vacina_ocorrencia"_s, u"Inserido_por"_s, u"Inserido_em"_s,
                                u"Data_atividade"_s, u"Id_tipo_motivo_nao_vacina"_s});
    const auto record = [&](int id, int animal, int vaccine, int occurrence, int reason, int days) {
        insert.row({id, animal, vaccine, occurrence, kClerk, calendar.at(days, u"15:00"_s),
                    calendar.at(days, u"00:00"_s), reason});
    };
    record(1, 1, 2, 1, 1, -200);
    record(2, 1, 3, 1, 1, -180);
    record(3, 3, 1, 1, 3, -90);
    record(4, 2, 1, 2, 1, -60);
    record(5, 8, 2, 1, 1, -30);
    return insert.statements();
}

}  // namespace

QStringList registryData(const Calendar& calendar) {
    AddressRows addresses;
    const QStringList ownerRows = owners(calendar, addresses);
    const QStringList animalRows = animals(calendar, addresses);
    return addresses.statements() + ownerRows + webAccounts(calendar) + animalRows +
           vaccinations(calendar);
}

}  // namespace orbadil::db::schema::detail::demo

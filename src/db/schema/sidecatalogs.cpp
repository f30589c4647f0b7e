// The two read-only catalogs: the municipal address base and the zoonosis database. Only the
// columns the program reads, plus the few the leishmaniasis screen names without reading.

#include "db/schema/ddlbuilder.h"

namespace orbadil::db::schema::detail {
namespace {
using namespace Qt::StringLiterals;

QStringList addressBaseTables() {
    return {
        // One row per street name row and district: what the street search reads.
        Table(u"pesquisalograd"_s)
            .column(u"NUM_LOGR"_s, kInteger)
            .column(u"NUM_SEQU_LOGR"_s, kInteger)
            .column(u"tip_logr"_s, text(3))
            .column(u"nom_logr"_s, text(50))
            .column(u"num_bair"_s, kInteger)
            .column(u"nom_bair"_s, text(50))
            .column(u"tip_bair"_s, text(30))
            .column(u"tip_clss_bair"_s, text(1))
            .column(u"ind_bair_cord"_s, text(1))
            .sql(),
        Table(u"logradouroNome"_s)
            .column(u"num_logr"_s, kInteger + u" NOT NULL"_s)
            .column(u"num_sequ_logr"_s, kInteger + u" NOT NULL"_s)
            .column(u"tip_logr"_s, text(3))
            .column(u"nom_logr"_s, text(50))
            .constraint(u"PRIMARY KEY (num_logr, num_sequ_logr)"_s)
            .sql(),
        Table(u"logradouro"_s)
            .column(u"num_logr"_s, kClientKey)
            .column(u"nom_logr"_s, text(50))
            .sql(),
        // Num_Imov: the house number in its first five characters, compared as a number.
        Table(u"logradouroimovel"_s)
            .column(u"Num_Logr"_s, kInteger + u" NOT NULL"_s)
            .column(u"Num_Imov"_s, kNumberAsText + u" NOT NULL"_s)
            .column(u"Val_Cood_X"_s, kReal)
            .column(u"Val_Cood_Y"_s, kReal)
            .constraint(u"PRIMARY KEY (Num_Logr, Num_Imov)"_s)
            .sql(),
        // A postcode covers one side ("I" odd, "P" even) of a stretch of house numbers.
        Table(u"ceplogradouro"_s)
            .column(u"num_logr"_s, kInteger)
            .column(u"num_cep"_s, kInteger)
            .column(u"ind_lado_logr"_s, text(1))
            .column(u"num_imov_inic"_s, kNumberAsText)
            .column(u"num_imov_fina"_s, kNumberAsText)
            .sql(),
        Table(u"bairro"_s)
            .column(u"num_bair"_s, kClientKey)
            .column(u"nom_Bair"_s, text(50))
            .column(u"tip_bair"_s, text(30))
            .column(u"tip_clss_bair"_s, text(1))
            .column(u"SIT_REGT"_s, text(1))
            .sql(),
        Table(u"BairroLogradouro"_s)
            .column(u"NUM_BAIR"_s, kInteger + u" NOT NULL"_s)
            .column(u"NUM_LOGR"_s, kInteger + u" NOT NULL"_s)
            .constraint(u"PRIMARY KEY (NUM_BAIR, NUM_LOGR)"_s)
            .sql(),
        Table(u"localidade"_s)
            .column(u"num_locl"_s, kClientKey)
            .column(u"nom_locl"_s, text(45))
            .sql(),
        Table(u"tipologradouro"_s)
            .column(u"Tip_Logr"_s, text(3) + u" PRIMARY KEY"_s)
            .column(u"Des_Tip_Logr"_s, text(20))
            .sql(),
        Table(u"areaabrang"_s)
            .column(u"cod_area_abrn"_s, kClientKey)
            .column(u"des_area_abrn"_s, text(40))
            .column(u"COD_DITR_SANI"_s, kInteger)
            .column(u"SIT_REGT"_s, text(1))
            .sql(),
    };
}

}  // namespace

QStringList addressBaseDdl() {
    return addressBaseTables() +
           QStringList{
               createIndex(u"ix_pesquisalograd_numero"_s, u"pesquisalograd"_s, u"NUM_LOGR"_s),
               createIndex(u"ix_pesquisalograd_nome"_s, u"pesquisalograd"_s, u"nom_logr"_s),
               createIndex(u"ix_pesquisalograd_bairro"_s, u"pesquisalograd"_s, u"num_bair"_s),
               createIndex(u"ix_logradouro_nome"_s, u"logradouro"_s, u"nom_logr"_s),
               createIndex(u"ix_ceplogradouro_cep"_s, u"ceplogradouro"_s, u"num_cep"_s),
               createIndex(u"ix_ceplogradouro_logradouro"_s, u"ceplogradouro"_s, u"num_logr"_s),
               createIndex(u"ix_bairrologradouro_logradouro"_s, u"BairroLogradouro"_s,
                           u"NUM_LOGR"_s),
               createIndex(u"ix_areaabrang_distrito"_s, u"areaabrang"_s, u"COD_DITR_SANI"_s),
           };
}

QStringList zoonosisDdl() {
    return {
        Table(u"sa001041"_s)
            .column(u"numboletim"_s, kInteger + u" NOT NULL"_s)
            .column(u"numdistrito"_s, kInteger + u" NOT NULL"_s)
            .column(u"numinca"_s, kInteger + u" NOT NULL"_s)
            .column(u"catboletim"_s, text(2))
            .column(u"codlab"_s, text(7))
            .column(u"dtcoleta"_s, kDateTime)
            .column(u"numproto"_s, kInteger)
            .constraint(u"PRIMARY KEY (numboletim, numdistrito, numinca)"_s)
            .sql(),
        Table(u"sa001042"_s)
            .column(u"numboletim"_s, kInteger)
            .column(u"numdistrito"_s, kInteger)
            .column(u"numinca"_s, kInteger)
            .column(u"codAmostra"_s, text(9))
            .column(u"nomecao"_s, text(15))
            .column(u"caosexo"_s, text(1))
            .column(u"nompropri"_s, text(30))
            .column(u"tipolograd"_s, text(3))
            .column(u"desclograd"_s, text(50))
            .column(u"numendprop"_s, kInteger)
            .column(u"resultamostra"_s, text(2))
            .column(u"confamostra"_s, text(2))
            .column(u"dtconfamostra"_s, kDateTime)
            .column(u"aptocomprop"_s, text(10))
            .column(u"numquart"_s, kInteger)
            .column(u"tpocorlaudo"_s, text(2))
            .sql(),
        createIndex(u"ix_sa001042_boletim"_s, u"sa001042"_s, u"numboletim, numdistrito, numinca"_s),
        createIndex(u"ix_sa001042_amostra"_s, u"sa001042"_s, u"codAmostra"_s),
        createIndex(u"ix_sa001042_cao"_s, u"sa001042"_s, u"nomecao"_s),
    };
}

}  // namespace orbadil::db::schema::detail

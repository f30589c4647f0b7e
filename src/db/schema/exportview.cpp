// The flat export view read by the table extractor: one row per attendance, with its owner,
// animal, both addresses and the people involved spelled out.
//
// A view stored in the main database file may only name tables of that file, so the coverage
// area descriptions (held by the address base) stay empty; the area codes are there.
// Computed text columns repeat the server collation: an expression does not inherit it.

#include "db/schema/ddlbuilder.h"

namespace orbadil::db::schema::detail {

QString exportView() {
    return QStringLiteral(R"sql(CREATE VIEW IF NOT EXISTS Exportacao2 AS
SELECT
  p.Id_Proprietario AS id_prop,
  p.Tipo_Pessoa AS tp_pes,
  p.Num_CPF_CNPJ AS CPF_CNPJ,
  p.Num_CI AS RG,
  p.Nome AS prop,
  pd.Nome AS P_dist,
  pe.COD_AREA_ABRN AS P_CDArea,
  CAST(NULL AS TEXT) COLLATE CI_AI AS P_DSArea,
  pe.NOM_BAIR AS P_DSBair,
  pe.NUM_CEP AS P_CEP,
  pe.NUM_LOGR AS P_CDLogr,
  pe.TIP_LOGR AS P_TPLogr,
  pe.NOM_LOGR AS P_DSLogr,
  pe.NUM_IMOV_LOGR AS P_NU_Imov,
  pe.DES_CMPL_ENDR AS P_Compl,
  pe.End_X AS P_cooX,
  pe.End_Y AS P_cooY,
  an.Id_Animal AS id_animal,
  an.Nome AS animal,
  an.Sexo AS sexo,
  pl.Descricao AS pelo,
  po.Descricao AS porte,
  rc.Nome AS raca,
  an.Sinais AS sinais,
  an.Cor AS cor,
  an.Esterilizado AS esteril,
  es.Nome AS especie,
  an.Num_Microchip AS microc,
  an.Num_Pedigree AS pedigree,
  ad.Nome AS A_dist,
  ae.COD_AREA_ABRN AS A_CDArea,
  CAST(NULL AS TEXT) COLLATE CI_AI AS A_DSArea,
  ae.NOM_BAIR AS A_DSBair,
  ae.NUM_CEP AS A_CEP,
  ae.NUM_LOGR AS A_CDLogr,
  ae.TIP_LOGR AS A_TPLogr,
  ae.NOM_LOGR AS A_DSLogr,
  ae.NUM_IMOV_LOGR AS A_NU_Imov,
  ae.DES_CMPL_ENDR AS A_Compl,
  ae.End_X AS A_cooX,
  ae.End_Y AS A_cooY,
  at.Id_Atendimento AS id_atend,
  st.Nome AS st_atend,
  at.Data_Hora_Atendimento AS td_atend,
  substr(at.Data_Hora_Atendimento, 1, 4) COLLATE CI_AI AS AnoAtent,
  substr(at.Data_Hora_Atendimento, 6, 2) COLLATE CI_AI AS MesAtent,
  at.Ind_Autoriza_Cirurgia AS aut_ciru,
  um.Nome AS uni_marc,
  ur.Nome AS uni_real,
  at.Inserido_Por AS CUS_inse,
  ui.Nome AS NUS_inse,
  at.Inserido_Em AS Dt_inse,
  at.Modificado_Por AS CUS_mod,
  uo.Nome AS NUS_mod,
  at.Modificado_Em AS DT_mod,
  (SELECT group_concat(Nome, ', ') FROM (
     SELECT pr.Nome FROM atendimento_profissional ap
     JOIN profissional pr ON pr.Id_Profissional = ap.Id_Profissional
     WHERE ap.Id_Atendimento = at.Id_Atendimento
     ORDER BY pr.Nome)) COLLATE CI_AI AS profi,
  (SELECT group_concat(Nome, ', ') FROM (
     SELECT tp.Nome FROM procedimento pc
     JOIN tipo_procedimento tp ON tp.Id_Tipo_Procedimento = pc.Id_Tipo_Procedimento
     WHERE pc.Id_Atendimento = at.Id_Atendimento
     ORDER BY tp.Nome)) COLLATE CI_AI AS proce,
  an.Data_Nascimento AS Dt_nasc
FROM atendimento at
LEFT JOIN animal an ON an.Id_Animal = at.Id_Animal
LEFT JOIN proprietario p ON p.Id_Proprietario = at.Id_Proprietario
LEFT JOIN endereco pe ON pe.Id_Endereco = p.Id_Endereco
LEFT JOIN distrito pd ON pd.Id_Distrito = pe.Id_Distrito
LEFT JOIN endereco ae ON ae.Id_Endereco =
  (SELECT max(ea.Id_Endereco) FROM endereco_animal ea WHERE ea.Id_Animal = an.Id_Animal)
LEFT JOIN distrito ad ON ad.Id_Distrito = ae.Id_Distrito
LEFT JOIN pelo pl ON pl.Id_pelo = an.Id_Pelo
LEFT JOIN porte po ON po.Id_porte = an.Id_Porte
LEFT JOIN raca rc ON rc.Id_Raca = an.Id_Raca
LEFT JOIN especie es ON es.Id_Especie = an.Id_Especie
LEFT JOIN atendimento_status st ON st.Id_Atendimento_Status = at.Id_Atendimento_Status
LEFT JOIN unidade_trabalho um ON um.Id_Unidade_Trabalho = at.Id_Unidade_Trabalho
LEFT JOIN unidade_trabalho ur ON ur.Id_Unidade_Trabalho = at.Id_Unidade_Agendada
LEFT JOIN usuario ui ON ui.Id_Usuario = at.Inserido_Por
LEFT JOIN usuario uo ON uo.Id_Usuario = at.Modificado_Por)sql");
}

}  // namespace orbadil::db::schema::detail

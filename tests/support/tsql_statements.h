#pragma once

// Statements of the program in the server's dialect, as the screens build them (line by line,
// joined with "\n"), with the rows the server returns for them on the dialect fixture of
// tst_dialect. Shared with bench_rewrite.
//
// bindings: "name=value;name=value" for the named parameters.
// expected: rows separated by "\n", columns by "|", NULL for a null. Rows are compared in
// order when the last statement orders them, as a set otherwise.

namespace orbadil::test {

struct TsqlCase {
    const char* name;
    const char* batch;
    const char* bindings;
    const char* expected;
};

inline constexpr TsqlCase kTsqlCases[] = {
    // ---- Sign-in, menu and users ----
    {"unit list: cast + ' - ' + upper, Unicode upper",
     "select id_unidade_Trabalho, cast(id_unidade_Trabalho as varchar) + ' - '+ upper(nome) as "
     "nome  from unidade_trabalho\n"
     "where ind_status = 'ATIVO'",
     "", "1|1 - CENTRO\n2|2 - ZONA NORTE\n4|4 - NÍVEL CENTRAL\n15|15 - PORTAL WEB"},
    {"sign-in user list ordered by upper-case alias, accents sort as letters",
     " select Id_Usuario, id_perfil, \n"
     " upper(Nome) as nome, Senha, senha_crip from usuario\n"
     " where  Id_Unidade_Trabalho = 1\n"
     " and Bloqueado = 'NAO' \n"
     " and inativo = 'NAO' \n"
     " and (login is not null) and (login <> '') \n"
     " and (nome is not null) and (nome <> '') \n"
     " and Id_Unidade_Trabalho <> 15 \n"
     " and Status_Registro = 'ATIVO'\n"
     " order by nome ",
     "", "5|2|ÉRICA ALVES|w|d5\n1|1000|JOSÉ DA SILVA|abc|d1"},
    {"sign-in check compares the digest without regard to case",
     " select Id_Usuario, Id_Unidade_Trabalho, Id_Perfil, upper(Nome) as nome, Login, Senha, "
     "senha_crip   from usuario "
     " where Id_Usuario = 1 and senha_crip = 'D1' and id_unidade_trabalho = 1",
     "", "1|1|1000|JOSÉ DA SILVA|jose|abc|d1"},
    {"menu rights: comma join and table.*",
     " select perfil_form.*, form.tag from form, perfil_form \n"
     " where form.id_form = perfil_form.id_form \n"
     " and id_perfil = 1000 ",
     "", "1000|1|S|S|S|S|S|1"},
    {"newest key: top 1 with order by",
     " select top 1 Id_Unidade_trabalho as MaxUnidade from Unidade_trabalho \n"
     " order by  Id_Unidade_trabalho desc ",
     "", "15"},
    {"max key", " select Max(Id_form) as MaxUnidade from form ", "", "25"},
    {"profile name check: top 1 and case-blind =",
     " select top 1 nome from perfil \n where nome = 'administrador'", "", "ADMINISTRADOR"},
    {"profile search: like prefix",
     " select id_perfil, nome, descricao from perfil  \n where nome like 'adm%'", "",
     "1000|ADMINISTRADOR|Tudo"},
    {"user search: like ignores accents and case",
     " select id_usuario, nome, login, bloqueado, inativo from usuario \n where nome like 'JOSE%'",
     "", "1|José da Silva|jose|NAO|NAO"},
    {"password check: upper(column) = typed text compares case-blind",
     " select senha from usuario \n where id_usuario = 1 and upper(senha) = 'abc'", "", "abc"},
    {"password change, then read back",
     "update usuario set senha = 'novo' where id_usuario = 1 and senha = 'ABC'\n"
     "select senha from usuario where id_usuario = 1",
     "", "novo"},
    {"profile listing: left joins ordered by name",
     "select a.id_perfil, a.id_form, a.visualizar, a.incluir, a.alterar, a.excluir, a.imprimir "
     ",b.nome as nome_perfil, b.descricao as desc_perfil, b.ind_status, c.nome as nome_form, "
     "c.descricao as desc_form, c.tipo_form from perfil_form a left join perfil b on (a.id_perfil "
     "= b.id_perfil) left join form c on (a.id_form = c.id_form) order by b.nome",
     "",
     "1000|1|S|S|S|S|S|ADMINISTRADOR|Tudo|ATIVO|UNIDADE|Unidades|F\n"
     "2|6|S|S|N|N|N|ATENDENTE|Balcão|ATIVO|PROPRIETARIO|Cadastro|F\n"
     "3|25|S|N|N|N|S|CONSULTA|Relatórios|ATIVO|REL UNIDADE|Listagem|R"},
    {"delete without from, two statements in one batch",
     " delete perfil_form where id_perfil = 1000 \n"
     "delete from Perfil where id_Perfil = 1000 \n"
     "select (select count(*) from perfil_form), (select count(*) from perfil)",
     "", "2|2"},

    // ---- Owners and animals ----
    {"owner name check: top 1 a.* with joined columns",
     " select top 1 a.*, b.TIP_LOGR, b.NOM_LOGR, b.NUM_IMOV_LOGR, b.DES_CMPL_ENDR \n"
     " from proprietario a \n"
     " left join endereco b on (a.id_endereco = b.id_endereco) \n"
     " where nome = 'jose da silva' and Status_Registro = 'ATIVO'",
     "",
     "1|JOSÉ DA "
     "SILVA|(11)3333-4444|(11)98888-7777|NULL|12345678909|FÍSICA|MG123|1|1|jose@exemplo.com|NULL|"
     "ATIVO|"
     "2026-01-15 10:00:00|RUA|DAS FLORES|120|CASA 2"},
    {"CPF base: substring and accented column name",
     " select top 1 id_proprietário from proprietario \n"
     " where substring(Num_CPF_CNPJ,1,9) = '123456789' and Status_Registro = 'ATIVO'",
     "", "1"},
    {"CPF check ignores trailing blanks",
     " select top 1 id_Proprietario from Proprietario  where Num_CPF_CNPJ = '12345678909 ' and "
     "Status_Registro = 'ATIVO'",
     "", "1"},
    {"e-mail check on trimmed expressions compares case-blind",
     " select count(*) as valor from proprietario pr  where ltrim(rtrim(Email_Proprietario)) = "
     "ltrim(rtrim('MARIA@EXEMPLO.COM')) \n"
     " and Status_Registro = 'ATIVO'",
     "", "1"},
    {"e-mail check on web accounts",
     " select count(*) as valor from usuario usu  where ltrim(rtrim(Email_usu)) = "
     "ltrim(rtrim('maria@exemplo.com')) "
     " and Status_Registro = 'ATIVO'",
     "", "1"},
    {"newest owner key through the accented key name",
     " select top 1 id_proprietário as valor from proprietario  order by id_proprietário desc ", "",
     "4"},
    {"web account update with getDate()",
     " UPDATE Usuario  SET Id_Unidade_Trabalho = 1 ,Nome = 'MARIA DE SOUZA' ,Login = 'maria2' "
     ",Modificado_Por = 1 "
     ",Modificado_Em = getDate() ,Email_usu = 'm@x.com' WHERE  Id_proprietario = 2\n"
     "select Login, Email_usu, len(Modificado_Em) from usuario where id_usuario = 4",
     "", "maria2|m@x.com|19"},
    {"active owners: double-quoted text",
     " select * from proprietario where status_registro = \"ATIVO\" ", "",
     "1|JOSÉ DA "
     "SILVA|(11)3333-4444|(11)98888-7777|NULL|12345678909|FÍSICA|MG123|1|1|jose@exemplo.com|NULL|"
     "ATIVO|2026-01-15 10:00:00\n"
     "2|MARIA DE SOUZA|NULL|(11)97777-6666|NULL|98765432100|FÍSICA|SP456|2|1| "
     "maria@exemplo.com|4|ATIVO|2026-02-01 09:00:00\n"
     "4|ÁLVARO COSTA|NULL|NULL|NULL|12345678000195|JURÍDICA|NULL|NULL|2|NULL|NULL|ATIVO|2026-02-10 "
     "11:00:00"},
    {"animal's current address: top 1 with order by",
     " select top 1 id_endereco from endereco_animal \n where id_animal = 1 order by id_endereco  "
     "desc",
     "", "3"},
    {"breed list",
     " select id_raca, nome, descricao from raca \n where 1=1 \n and id_especie = 1 and Ind_Status "
     "= 'ATIVO' order by nome ",
     "", "4|BEAGLE|Caçador\n1|SRD|Sem raça definida"},
    {"animal deletion: two deletes in one batch",
     " delete from endereco_animal \n where id_animal = 5 delete from endereco \n where "
     "id_endereco = 7\n"
     "select (select count(*) from endereco_animal where id_animal = 5), (select count(*) from "
     "endereco where id_endereco = 7)",
     "", "0|0"},
    {"animal information: two joins of the same table",
     "select b.nome as Nome_inseriu, c.nome as Nome_alterou, a.inserido_em, a.Modificado_Em \n"
     " from animal a\n left join usuario b on (a.inserido_Por = b.id_usuario) \n"
     " left join usuario c on (c.id_usuario = a.Modificado_por) \n where b.nome is not null \n and "
     "a.Id_Animal = 1",
     "", "José da Silva|NULL|2026-02-10 10:00:00|NULL"},
    {"identification card",
     " SELECT a.id_Proprietario, b.nome as nomeProprietario, a.id_Animal, a.nome as nomeAnimal, "
     "a.id_Especie , \n"
     " c.nome as nomeEspecie , a.id_Raca, d.nome as nomeRaca , a.Sexo, a.Data_Nascimento, \n"
     " a.Num_Microchip, a.Cor ,f.descricao as nomePelo, a.Esterilizado, a.id_grupo_animal, e.nome "
     "as NomeGrupoAnimal, \n"
     " a.id_pelo, f.descricao as NomePelo, b.Telefone_Residencial, b.Telefone_Celular, "
     "b.Telefone_Recado, \n"
     " g.Id_Endereco, g.Id_Distrito, g.TIP_LOGR, g.NOM_LOGR, g.NUM_IMOV_LOGR, "
     "g.DES_CMPL_ENDR,g.NOM_BAIR,b.num_cpf_cnpj, b.Num_ci \n"
     " FROM Animal a \n"
     " left join Proprietario b on(a.id_Proprietario = b.id_Proprietario) \n"
     " left join especie c on(a.id_especie = c.id_especie) \n"
     " left join raca d on(a.id_raca = d.id_raca) \n"
     " left join grupo_animal e on(a.id_grupo_animal = e.id_grupo_animal) \n"
     " left join pelo f on(a.id_pelo = f.id_Pelo) \n"
     " left join endereco g on(b.id_endereco = g.id_endereco) \n"
     " where id_animal = 1",
     "",
     "1|JOSÉ DA SILVA|1|REX|1|CANINA|1|SRD|M|2020-05-10 00:00:00|985 000 "
     "123|PRETO|CURTO|SIM|1|DOMICILIADO|1|CURTO|"
     "(11)3333-4444|(11)98888-7777|NULL|1|1|RUA|DAS FLORES|120|CASA 2|CENTRO|12345678909|MG123"},
    {"animals by species in a period: between parameters",
     "Select count(a.Id_Especie)as total_especie, b.nome as nome_especie from animal a left join "
     "especie b on "
     "(a.id_especie=b.id_especie) where a.Inserido_Em Between :pDataInicial and :pDataFinal group "
     "by b.nome",
     "pDataInicial=2026-01-01 00:00:00;pDataFinal=2026-03-31 23:59:00", "2|CANINA\n2|FELINA"},
    {"microchipped animals",
     "select d.id_unidade_trabalho, e.nome as nome_Unidade_Trabalho, a.Id_Animal, a.Nome as "
     "nome_animal, \n"
     "a.Id_Proprietario,d.nome as nome_Proprietario, a.Id_Especie, b.nome as nome_Especie, "
     "a.Id_Raca, c.nome as nome_Raca,  \n"
     " a.Id_Grupo_Animal, f.nome as nome_grupo, a.Sexo, a.Esterilizado, a.Num_Microchip \n"
     " from animal a \n"
     " left join especie b on (a.id_especie = b.id_especie) \n"
     " left join raca c on (a.id_raca = c.id_raca) \n"
     " left join proprietario d on (a.id_proprietario = d.id_proprietario) \n"
     " left join unidade_trabalho e on (d.id_unidade_trabalho = e.id_unidade_trabalho) \n"
     " left join grupo_animal f on (a.id_grupo_animal = f.id_grupo_animal) \n"
     " where (a.num_Microchip is not null) and (a.num_Microchip <> '') \n"
     " and (a.inserido_em between :dataInicia and :dataFim )\n"
     " order by d.id_unidade_trabalho, a.id_grupo_animal ",
     "dataInicia=2026-01-01 00:00:00;dataFim=2026-03-31 23:59:00",
     "1|Centro|1|REX|1|JOSÉ DA SILVA|1|CANINA|1|SRD|1|DOMICILIADO|M|SIM|985 000 123\n"
     "2|Zona Norte|4|Bolinha|4|ÁLVARO COSTA|1|CANINA|3|POODLE|2|COMUNITÁRIO|F|SIM|985000999"},

    // ---- Addresses and the address base ----
    {"street by code: distinct with order by",
     " select distinct num_logr,nom_logr from pesquisaLograd \n where num_logr = 10 and "
     "num_sequ_logr = 1 \n"
     " order by  num_logr,nom_logr ",
     "", "10|DAS FLORES"},
    {"street search: in list and like are case-blind",
     " select distinct tip_bair, num_bair, nom_bair, NUM_LOGR,NUM_SEQU_LOGR,tip_logr, nom_logr \n"
     " from pesquisaLograd \n where tip_clss_bair in ( 'o','p') \n and ind_bair_cord = 'N' \n"
     "and nom_logr like 'das%'\n order by nom_logr ",
     "", "B|5|CENTRO|10|1|RUA|DAS FLORES\nVL|7|ÁGUA BRANCA|11|1|RUA|DAS PALMEIRAS"},
    {"postcode of a house number: ranges compare as numbers",
     " select num_cep from cepLogradouro a \n left join logradouro b on (a.num_logr = b.num_logr) "
     "\n"
     " where a.num_logr = 10 and (a.NUM_IMOV_INIC <= 150) and (a.NUM_IMOV_FINA >= 150) \n and "
     "a.ind_lado_logr = 'p' ",
     "", "1001000"},
    {"coverage areas of a district",
     " select cod_area_abrn, des_area_abrn from areaAbrang \n where cod_ditr_sani = 1 and sit_regt "
     "= 'a'",
     "", "101|VILA NOVA"},
    {"neighbourhoods: commented-out filter and set rowcount 0",
     "select distinct TIP_BAIR, nom_Bair,  num_bair from bairro\n"
     "--where tip_clss_bair in ('p') and SIT_REGT = 'A'\n"
     "group by TIP_BAIR, nom_bair,num_Bair\n"
     "order by nom_bair\n"
     "set rowcount 0",
     "", "VL|ÁGUA BRANCA|7\nB|BELA VISTA|8\nB|CENTRO|5\nB|centro velho|9\nJD|JARDIM AMÉRICA|6"},
    {"neighbourhoods of a street: plain join",
     " select distinct BairroLogradouro.NUM_BAIR, NOM_BAIR, TIP_BAIR  from BairroLogradouro  join "
     "Bairro on "
     "(BairroLogradouro.NUM_BAIR = Bairro.NUM_BAIR and Bairro.TIP_CLSS_BAIR = 'P' ) where "
     "BairroLogradouro.NUM_LOGR =10",
     "", "5|CENTRO|B"},
    {"house coordinates: text house number against a number",
     "select Val_Cood_X, Val_Cood_Y   from LogradouroImovel where NUM_LOGR = 10 and       NUM_IMOV "
     "= 120",
     "", "1.5|2.5"},
    {"nearby houses on the even side: convert(int, substring), integer division",
     "Select Num_Imov, Val_Cood_X, Val_Cood_Y From logradouroimovel Where Num_Logr = 10"
     "  and convert(int, Substring(Num_Imov, 1, 5)) >= 20  and convert(int, Substring(Num_Imov, 1, "
     "5)) <= 220"
     "  and convert(int, Substring(Num_Imov, 1, 5))=(2 * "
     "convert(int,convert(int,Substring(Num_Imov, 1, 5))/2))"
     "  Order By Num_Imov ",
     "", "46|1.1|2.1\n100|1.3|2.3\n120|1.5|2.5"},
    {"animal search: accented table and key names, replace in like",
     " select a.Id_Animal, c.nome as nome_raca, a.Nome as nome_animal, a.Sexo, a.Esterilizado,  "
     "a.Num_Microchip, a.Cor, "
     "a.Sinais, a.Num_Pedigree, b.Id_Proprietario,  b.Nome as nome_Proprietario, "
     "b.Telefone_Residencial, "
     "b.Telefone_Celular,  b.Telefone_Recado, b.Num_CPF_CNPJ, b.Num_CI from animal a \n"
     " left join proprietário b on (a.id_proprietário = b.id_proprietario) \n"
     " left join raca c on (a.id_raca = c.id_raca) \n where 1=1 \n"
     " and REPLACE(a.num_microchip, ' ','') like '%000123%'",
     "",
     "1|SRD|REX|M|SIM|985 000 123|PRETO|NULL|NULL|1|JOSÉ DA "
     "SILVA|(11)3333-4444|(11)98888-7777|NULL|12345678909|MG123"},
    {"animal address history: b.* ordered",
     " select a.id_animal, b.* from endereco_animal a \n left join endereco b on (a.id_endereco = "
     "b.id_endereco) \n"
     " where a.id_animal = 1 order by  a.id_endereco desc ",
     "",
     "1|3|1|101|10|1|RUA|DAS FLORES|45|NULL|5|CENTRO|01001-000|2026-01-20 00:00:00\n"
     "1|1|1|101|10|1|RUA|DAS FLORES|120|CASA 2|5|CENTRO|01001-000|2026-01-15 00:00:00"},
    {"owner search: right joins",
     " select b.Id_Proprietario, b.nome, b.Telefone_Residencial, b.Telefone_Celular, \n"
     " b.Telefone_Recado, b.Num_CPF_CNPJ, b.Num_CI, a.Id_Animal, a.nome as nome_animal, \n"
     " b.Num_CPF_CNPJ, a.num_microchip, c.Id_Endereco, c.TIP_LOGR, c.NOM_LOGR, c.NUM_IMOV_LOGR, \n"
     " c.DES_CMPL_ENDR, c.NOM_BAIR \n from animal a \n"
     " right join proprietario b on (a.id_proprietario = b.id_proprietario) \n"
     " right join endereco c on (b.id_endereco = c.id_endereco) \n"
     " where b.status_registro = 'ATIVO'\n and b.nome like 'maria%'",
     "",
     "2|MARIA DE "
     "SOUZA|NULL|(11)97777-6666|NULL|98765432100|SP456|3|TOBY|98765432100|NULL|2|AV|BRASIL|1500|"
     "NULL|"
     "JARDIM AMÉRICA"},
    {"owner search of the transfer screen: left outer join and like",
     " select id_proprietario,nome, num_CPF_CNPJ,NOM_LOGR, \n "
     "TIP_LOGR,NUM_IMOV_LOGR,DES_CMPL_ENDR, num_ci, a.id_endereco \n"
     " from proprietario a \n left outer join  endereco b on (a.id_endereco = b.id_endereco) \n "
     "where 1=1 \n"
     " and  NOM_LOGR like 'das%'",
     "",
     "1|JOSÉ DA SILVA|12345678909|DAS FLORES|RUA|120|CASA 2|MG123|1\n"
     "3|JOAO PEREIRA|11122233344|DAS FLORES|RUA|45|NULL|RJ789|3"},

    // ---- Vaccinations ----
    {"vaccines on offer: lines without blanks between them",
     "select Id_tipo_vacina, Nome, Descricao \nfrom Tipo_vacina\nwhere Ind_registro_ativo = "
     "'ATIVO'",
     "", "1|Antirrábica|Raiva\n2|V10|Polivalente"},
    {"vaccination listing: convert style 103 and upper",
     "select vac.Id_vacina, ani.Nome as nomeAnimal, convert(varchar, Data_atividade, 103) as "
     "Data_atividade,"
     "upper(tv.nome) as nomeTipoVacina, upper(tvo.Nome) as NomeOcorrencia, upper(mnv.Nome) as "
     "NomeMotivoNaoVacina"
     " from vacina  vac "
     " left join Tipo_vacina tv on (vac.Id_tipo_vacina = tv.Id_tipo_vacina) "
     " left join Tipo_vacina_ocorrencia tvo on (vac.Id_tipo_vacina_ocorrencia = "
     "tvo.Id_tipo_vacina_ocorrencia) "
     " left join Tipo_motivo_nao_vacina mnv on (vac.Id_tipo_motivo_nao_vacina = "
     "mnv.Id_tipo_motivo_nao_vacina) "
     " left join animal ani on (vac.Id_Animal = ani.Id_Animal) where vac.Id_animal = 1",
     "", "1|REX|01/02/2026|ANTIRRÁBICA|NULL|NULL\n2|REX|05/03/2026|V10|NULL|NULL"},
    {"vaccination duplicate check: text date compared with converted text",
     " select top 1 Id_Animal  from vacina  where Id_Animal = 1 and Id_tipo_vacina = 1 and "
     "Id_tipo_vacina_ocorrencia = 0"
     " and Id_tipo_motivo_nao_vacina = 0 and convert(varchar, Data_atividade, 103) = '01/02/2026'",
     "", "1"},
    {"dd/mm/yyyy text against a date-time column",
     "select Id_vacina from vacina where Data_atividade >= '01/02/2026' and Data_atividade < "
     "'05/03/2026 00:01' "
     "order by Id_vacina",
     "", "1\n2"},
    {"dd/mm/yyyy text in between",
     "select Id_vacina from vacina where Data_atividade between '24/12/2025' and '01/02/2026 "
     "23:59:59' "
     "order by Id_vacina",
     "", "1\n3"},
    {"dd/mm/yyyy text as a value to store",
     "insert into vacina (Id_vacina, Id_Animal, Id_tipo_vacina, Data_atividade) values (9, 2, 2, "
     "'15/04/2026')\n"
     "update vacina set Inserido_em = '16/04/2026 08:30' where Id_vacina = 9\n"
     "select Data_atividade, Inserido_em from vacina where Id_vacina = 9",
     "", "2026-04-15 00:00:00|2026-04-16 08:30:00"},

    // ---- Availability maps ----
    {"map of a day: DATEPART with two-digit parts",
     " select * from  Mapa_disponibilidade_agenda where 1=1\n"
     " and DATEPART(day,Data_hora_disponibilidade) = 05\n"
     " and DATEPART(month,Data_hora_disponibilidade) = 03\n"
     " and DATEPART(year,Data_hora_disponibilidade) = 2026",
     "",
     "1|1|12|2026-03-05 08:00:00|10|2|3|0|1|2026-02-01 00:00:00|NULL|NULL|1|101\n"
     "2|2|12|2026-03-05 13:30:00|5|0|0|0|1|2026-02-01 00:00:00|NULL|NULL|2|NULL"},
    {"map duplicate check with a date-time parameter",
     "select COUNT(*) as valor from Mapa_disponibilidade_agenda  where Id_unidade_trabalho = 1 and "
     "Id_especie = 1 and "
     "Data_hora_disponibilidade = :pdataHora  and id_Tipo_Procedimento = 12",
     "pdataHora=2026-03-05 08:00:00", "1"},
    {"map insert for an area with GETDATE()",
     "insert into Mapa_disponibilidade_agenda "
     "(Id_Mapa_disponibilidade_agenda,Id_unidade_trabalho,Id_tipo_procedimento,"
     "  "
     "Data_hora_disponibilidade,Qt_vaga_disponivel_geral,Qt_vaga_disp_f_grande_porte,Qt_vaga_usada_"
     "geral,"
     "Qt_vaga_usada_f_grande_porte,  Inserido_por,Inserido_em,Id_especie,COD_AREA_ABRN )  values "
     "(4,1,12,:pdataHora,6,1,"
     "0,0,1,GETDATE() ,1, 101)\n"
     "select Id_Mapa_disponibilidade_agenda, COD_AREA_ABRN from Mapa_disponibilidade_agenda where "
     "COD_AREA_ABRN = 101",
     "pdataHora=2026-03-06 09:30:00", "1|101\n4|101"},
    {"map insert without areas",
     "insert into Mapa_disponibilidade_agenda "
     "(Id_Mapa_disponibilidade_agenda,Id_unidade_trabalho,Id_tipo_procedimento,"
     "  "
     "Data_hora_disponibilidade,Qt_vaga_disponivel_geral,Qt_vaga_disp_f_grande_porte,Qt_vaga_usada_"
     "geral,"
     "Qt_vaga_usada_f_grande_porte,  Inserido_por,Inserido_em,Id_especie )  values "
     "(4,1,12,:pdataHora,6,1,0,0,1,"
     "GETDATE() ,1)\n"
     "select Id_Mapa_disponibilidade_agenda, Data_hora_disponibilidade, Qt_vaga_disponivel_geral, "
     "len(Inserido_em), "
     "COD_AREA_ABRN from Mapa_disponibilidade_agenda where Id_Mapa_disponibilidade_agenda = 4",
     "pdataHora=2026-03-06 09:30:00", "4|2026-03-06 09:30:00|6|19|NULL"},
    {"map change",
     "update Mapa_disponibilidade_agenda set Id_unidade_trabalho=1, Id_tipo_procedimento=12, "
     "Data_hora_disponibilidade "
     "= :pdataHora , Qt_vaga_disponivel_geral =7,Qt_vaga_disp_f_grande_porte = 0,Modificado_por = "
     "1,Modificado_em = "
     "GETDATE(), Id_especie=1\n"
     "where id_Mapa_disponibilidade_agenda = 3\n"
     "select Data_hora_disponibilidade, Qt_vaga_disponivel_geral, Modificado_por from "
     "Mapa_disponibilidade_agenda "
     "where id_Mapa_disponibilidade_agenda = 3",
     "pdataHora=2026-04-11 10:00:00", "2026-04-11 10:00:00|7|1"},
    {"map deletion without from",
     "delete Mapa_disponibilidade_agenda where id_Mapa_disponibilidade_agenda = 2\n"
     "select count(*) from Mapa_disponibilidade_agenda",
     "", "2"},
    {"coverage areas through the address base's catalog",
     "select COD_AREA_ABRN, DES_AREA_ABRN, COD_DITR_SANI\nfrom padrao..AreaAbrang\nwhere SIT_REGT "
     "= 'A' and COD_DITR_SANI = 1",
     "", "101|VILA NOVA|1"},
    {"copy targets: <> ignores accents",
     " select Id_Unidade_Trabalho, Nome from Unidade_Trabalho \n where Ind_Status = 'ATIVO' and "
     "nome <> 'NIVEL CENTRAL'",
     "", "1|Centro\n2|Zona Norte\n15|Portal Web"},
    {"copy of a slot: [dbo] names and a key computed inside the insert",
     " INSERT INTO [dbo].[Mapa_disponibilidade_agenda] ([Id_Mapa_disponibilidade_agenda] "
     ",[Id_unidade_trabalho] "
     ",[Id_tipo_procedimento] ,[Data_hora_disponibilidade] ,[Qt_vaga_disponivel_geral] "
     ",[Qt_vaga_disp_f_grande_porte] "
     ",[Qt_vaga_usada_geral] ,[Qt_vaga_usada_f_grande_porte] ,[Inserido_por] ,[Inserido_em] "
     ",[Id_Especie])  VALUES ( "
     "(select max(Id_Mapa_disponibilidade_agenda)+1  from Mapa_disponibilidade_agenda), 2, 12, "
     ":pData_hd, 10, 2, 3, 0, 1, "
     "getdate() , 1)\n"
     "select Id_Mapa_disponibilidade_agenda, Id_unidade_trabalho, Data_hora_disponibilidade, "
     "Qt_vaga_usada_geral from "
     "Mapa_disponibilidade_agenda where Id_unidade_trabalho = 2 order by 1",
     "pData_hd=2026-03-12 08:00:00", "2|2|2026-03-05 13:30:00|0\n4|2|2026-03-12 08:00:00|3"},
    {"draft insert: CONVERT(datetime, 'dd/mm/yyyy hh:mm:ss.fff', 103)",
     " insert into Mapa_rascunho \n (Id_Mapa_rascunho, Id_unidade_trabalho, "
     "Id_tipo_procedimento,Data_hora_disponibilidade,"
     "  Qt_vaga_disponivel_geral, Qt_vaga_disp_f_grande_porte, Inserido_por, Id_Especie, "
     "Status_Registro,inserido_em, "
     "Qt_vaga_usada_geral, Qt_vaga_usada_f_grande_porte) \n Values (2, 1,12, CONVERT(datetime, "
     "'12/05/2026 09:30:00.000' ,103),"
     "4,0,1,1,'ATIVO',getDate(),0,0)\n"
     "select Data_hora_disponibilidade from Mapa_rascunho where Id_Mapa_rascunho = 2",
     "", "2026-05-12 09:30:00"},
    {"published map check against a converted slot",
     "select COUNT(*) as valor from Mapa_disponibilidade_agenda  where Id_unidade_trabalho = 1 and "
     "Id_especie = 1 and "
     "Data_hora_disponibilidade = CONVERT(datetime, '05/03/2026 08:00:00.000' ,103) and "
     "id_Tipo_Procedimento = 12",
     "", "1"},
    {"draft change, line by line",
     " update Mapa_rascunho set\n Id_unidade_trabalho = 2,\n Id_tipo_procedimento = 12,\n"
     " Data_hora_disponibilidade = CONVERT(datetime, '13/05/2026 10:00:00.000' ,103),\n "
     "Qt_vaga_disponivel_geral = 6,\n"
     " Qt_vaga_disp_f_grande_porte = 1,\n Id_Especie = 1,\n modificado_por = 1,\n modificado_em = "
     "getDate()\n"
     " where id_mapa_rascunho = 1\n"
     "select Id_unidade_trabalho, Data_hora_disponibilidade, Qt_vaga_disponivel_geral from "
     "Mapa_rascunho",
     "", "2|2026-05-13 10:00:00|6"},
    {"special quotas in force: agen.* and an unqualified order column",
     "select agen.*, nome from agendamento_especial agen\n"
     "left join proprietario prop on (prop.Id_proprietario = agen.Id_proprietario)\n"
     "where Ind_Registro_Excluido = 'FALSE'\n"
     "order by agen.id_proprietario, inserido_em desc",
     "",
     "4|1|1|FALSE|1|2026-02-20 00:00:00|NULL|NULL|JOSÉ DA SILVA\n1|1|3|FALSE|1|2026-01-20 "
     "00:00:00|NULL|NULL|JOSÉ DA SILVA\n"
     "3|2|1|FALSE|1|2026-02-01 00:00:00|NULL|NULL|MARIA DE SOUZA"},
    {"owner's attendances by status",
     " select ats.Nome, count(*) as valor from Atendimento ate  left join Atendimento_Status ats "
     "on "
     "(ate.Id_Atendimento_Status = ats.Id_Atendimento_Status)  where ats.id_Atendimento_Status <> "
     "7 and "
     "ate.Id_Proprietario = 2 group by ats.nome order by ats.nome ",
     "", "REALIZADO|2"},
    {"quota deletion check: union inside a derived table",
     " select sum(qt_acrecida) as qt_acrecida, sum(qt_usado) as qt_usado from \n"
     " (select sum(Qt_Agendamento_Reservado) as qt_acrecida, 0 as qt_usado from "
     "agendamento_especial \n"
     " where Ind_Registro_Excluido = 'FALSE' and Id_Proprietario = 1\n union \n"
     " select 0 qt_acrecida, count(*) as qt_usado from Atendimento \n"
     " where Id_Atendimento_Status <> 7 and Id_Proprietario = 1 ) dados ",
     "", "4|2"},
    {"owners to notify: distinct upper names",
     " select distinct upper(prop.nome) as Nome, prop.Email_Proprietario from Atendimento atend  "
     "left join proprietario prop"
     " on (atend.id_proprietario = prop.id_proprietario)\n where Id_Atendimento_Status = 1\n"
     " and (data_hora_atendimento between :dataInicia and :dataFim )",
     "dataInicia=2026-03-01 00:00:00;dataFim=2026-03-31 00:00:00",
     "JOSÉ DA SILVA|jose@exemplo.com"},
    {"active professionals",
     " select id_profissional, nome from profissional \n where Inativo <> 'SIM'", "",
     "1|DRA. ANA\n2|DR. CARLOS"},
    {"professional agenda: convert(char(10), ..., 120) between text parameters",
     " select w.Data_Hora_Atendimento, y.id_profissional, f.nome as Nome_Prof, \n"
     " w.Id_Atendimento, w.Id_Proprietario, w.Id_Animal, w.Id_Unidade_Trabalho, "
     "w.Id_Unidade_Agendada, \n"
     " e.Id_Atendimento_Status, w.Inserido_Por, w.Ind_Autoriza_Cirurgia, \n"
     " b.nome as nome_Prop, c.nome as nome_Animal, d.nome as nome_Unidade_Agendada, e.nome as "
     "nome_Status \n"
     " from atendimento_profissional y \n"
     " left join Atendimento w on (y.id_Atendimento = w.id_Atendimento) \n"
     " left join proprietario b on (w.id_proprietario = b.id_proprietario) \n"
     " left join animal c on (w.id_animal = c.id_animal) \n"
     " left join unidade_trabalho d on (d.id_unidade_trabalho = w.id_unidade_agendada) \n"
     " left join Atendimento_Status e on (e.id_Atendimento_Status = w.id_Atendimento_Status) \n"
     " left join Profissional f on (y.id_Profissional = f.id_profissional) \n"
     " where (convert(char(10), w.Data_Hora_Atendimento,120) between :DataInicial and :DataFinal) "
     "\n"
     " order by f.nome, w.Data_Hora_Atendimento ",
     "DataInicial=2026-03-01;DataFinal=2026-03-05",
     "2026-03-02 08:30:00|2|DR. CARLOS|1|1|1|1|2|1|1|SIM|JOSÉ DA SILVA|REX|Zona Norte|AGENDADO\n"
     "2026-03-02 08:30:00|1|DRA. ANA|1|1|1|1|2|1|1|SIM|JOSÉ DA SILVA|REX|Zona Norte|AGENDADO\n"
     "2026-03-05 14:00:00|1|DRA. ANA|2|1|2|1|2|1|1|SIM|JOSÉ DA SILVA|MIA|Zona Norte|AGENDADO"},

    // ---- Agenda and attendance ----
    {"day list: day(), month(), year() against two-digit text",
     " select b.nome as nome_proprietario, c.nome as nome_animal, \n d.nome nome_unidade_trabalho, "
     "e.nome nome_unidade_agendada, \n"
     " f.nome nome_atendimento_status, a.* \n , g.descricao as porte, h.nome as especie, c.sexo  "
     "\n from atendimento a \n"
     " left join proprietario b on (a.id_proprietario = b.id_proprietario) \n"
     " left join animal c on (a.id_animal = c.id_animal) \n"
     " left join unidade_trabalho d on (a.id_unidade_trabalho = d.id_unidade_trabalho) \n"
     " left join unidade_trabalho e on (a.id_unidade_agendada = e.id_unidade_trabalho) \n"
     " left join atendimento_status f on (a.id_atendimento_status = f.id_atendimento_status) \n"
     " left join porte g on (c.id_porte = g.id_porte) \n"
     " left join especie h on (c.id_especie = h.id_especie) \n"
     " where b.status_registro = 'ATIVO' and 1=1 \n"
     " and day(data_hora_atendimento)=05\n and month(data_hora_atendimento)=03\n and "
     "year(data_hora_atendimento)=2026",
     "",
     "JOSÉ DA SILVA|MIA|Centro|Zona Norte|AGENDADO|2|1|2|1|2|2026-03-05 "
     "14:00:00|1|SIM|1|2026-02-21 10:00:00|NULL|NULL|"
     "PEQUENO|FELINA|F"},
    {"epidemiological week check: CONVERT(date, text, 103) between columns",
     "select count(nrideano) as valor from Semana_Epidemiologica \n"
     "where CONVERT(date,'05/03/2026',103) between dtinisep and dtfimsep",
     "", "1"},
    {"epidemiological week of a date parameter",
     "select nrideano, nridesep, dtinisep, dtfimsep, dsidesep from semana_epidemiologica \n"
     " where :pDataSemana between dtinisep  and dtfimsep \n and nrideano = 2026",
     "pDataSemana=2026-03-05 00:00:00",
     "2026|9|2026-03-01 00:00:00|2026-03-07 00:00:00|SE 09/2026"},
    {"weekly counts: datepart week and weekday, year against char(4)",
     " select datepart(weekday,Data_Hora_Atendimento)as diaSemana, Data_Hora_Atendimento, "
     "substring(convert(char(20),Data_Hora_Atendimento,120),12,5)as hora \n from atendimento  \n "
     "where  1=1 \n"
     " and datepart(week,Data_Hora_Atendimento)  = datepart(week,CONVERT(date, '05/03/2026',  "
     "103))\n"
     " and year(data_hora_atendimento)= cast(year(CONVERT(date, '05/03/2026',  103)) as char(4))\n"
     " order by Data_Hora_Atendimento ",
     "", "2|2026-03-02 08:30:00|08:30\n4|2026-03-04 07:15:00|07:15\n5|2026-03-05 14:00:00|14:00"},
    {"weekly counts of a week starting on the Sunday asked for",
     " select datepart(weekday,Data_Hora_Atendimento)as diaSemana, Data_Hora_Atendimento, "
     "substring(convert(char(20),Data_Hora_Atendimento,120),12,5)as hora \n from atendimento  \n "
     "where  1=1 \n"
     " and id_unidade_agendada = 2\n"
     " and datepart(week,Data_Hora_Atendimento)  = datepart(week,CONVERT(date, '08/03/2026',  "
     "103))\n"
     " and year(data_hora_atendimento)= cast(year(CONVERT(date, '08/03/2026',  103)) as char(4))\n"
     " order by Data_Hora_Atendimento ",
     "", "1|2026-03-08 09:00:00|09:00"},
    {"period summary: group by and order by across joins",
     " select a.id_unidade_agendada, b.nome nome_unidade_agendada,Data_Hora_Atendimento, \n"
     " c.nome nome_atendimento_status,e.Nome AS especie, d.Sexo, f.Descricao AS porte, \n"
     " count(a.id_atendimento) as qt \n from atendimento a \n"
     " left join unidade_trabalho b on (a.id_unidade_agendada = b.id_unidade_trabalho) \n"
     " left join atendimento_status c on (a.id_atendimento_status = c.id_atendimento_status) \n"
     " LEFT JOIN Animal d ON (a.Id_Animal = d.Id_Animal) \n"
     " LEFT JOIN Especie e ON (d.id_especie = e.Id_Especie) \n"
     " LEFT JOIN Porte f ON (d.Id_porte = f.Id_porte) \n where 1=1 \n"
     " and month(data_hora_atendimento)=03\n and year(data_hora_atendimento)=2026\n"
     " group by a.id_unidade_agendada, b.nome,Data_Hora_Atendimento,e.Nome, d.Sexo, f.Descricao, "
     "c.nome \n"
     " order by a.id_unidade_agendada, b.nome,Data_Hora_Atendimento,e.Nome, d.Sexo, f.Descricao, "
     "c.nome ",
     "",
     "2|Zona Norte|2026-03-02 08:30:00|AGENDADO|CANINA|M|MÉDIO|1\n"
     "2|Zona Norte|2026-03-04 07:15:00|CANCELADO|FELINA|M|PEQUENO|1\n"
     "2|Zona Norte|2026-03-05 14:00:00|AGENDADO|FELINA|F|PEQUENO|1\n"
     "2|Zona Norte|2026-03-08 09:00:00|REALIZADO|CANINA|M|GRANDE|1"},
    {"attendance search by microchip typed without blanks",
     "select b.nome as nome_proprietario, c.nome as nome_animal, a.id_proprietario, a.id_animal, "
     "id_atendimento,  "
     "b.Num_CPF_CNPJ, b.Num_CI, c.Num_Microchip  from atendimento a  left join proprietario b on "
     "(a.id_proprietario = "
     "b.id_proprietario)  left join animal c on (a.id_animal = c.id_animal)  where "
     "b.status_registro = 'ATIVO' and 1=1 \n"
     " and REPLACE(c.num_microchip, ' ','') like '%000123%'",
     "", "JOSÉ DA SILVA|REX|1|1|1|12345678909|MG123|985 000 123"},
    {"units not inactive, written in lower case",
     "select id_unidade_trabalho, nome from unidade_trabalho\nwhere ind_status <> 'inativo'", "",
     "1|Centro\n2|Zona Norte\n4|Nível Central\n15|Portal Web"},
    {"active owners by name",
     "select b.id_Proprietario, b.nome from proprietario b\nwhere status_registro = 'ATIVO'\norder "
     "by b.nome",
     "", "4|ÁLVARO COSTA\n1|JOSÉ DA SILVA\n2|MARIA DE SOUZA"},
    {"attendance summary: convert(char(10)) of a date and of hyphenated text",
     " select a.Id_Atendimento,  a.Id_Unidade_Agendada,b.nome, "
     "b.Id_Atendimento_Status,Data_Hora_Atendimento, \n"
     " c.id_especie, d.nome as nomeEspecie \n from atendimento a \n"
     " left join Atendimento_Status b on (a.Id_Atendimento_Status = b.Id_Atendimento_Status) \n"
     " left join animal c on (a.id_animal = c.id_animal) \n"
     " left join especie d on (c.id_especie = d.id_especie) \n"
     " where id_unidade_agendada = 2\n"
     " and convert(char(10),a.Data_Hora_Atendimento, 120) = convert(char(10),'2026-03-05-', 120) \n"
     " order by a.id_unidade_agendada,b.nome,Data_Hora_Atendimento, b.Id_Atendimento_Status ",
     "", "2|2|AGENDADO|1|2026-03-05 14:00:00|2|FELINA"},
    {"orientation text: cast as varchar(4000)",
     " select CAST(Texto_padrao_orientacao AS varchar(4000)) as  Texto_padrao_orientacao  from "
     "Orientacao_Padrao_Atend ",
     "", "Jejum de 12 horas.<br> Trazer coleira."},
    {"professional removed from an attendance: delete without from",
     " delete Atendimento_Profissional  where Id_Profissional = 2 and Id_Atendimento =1\n"
     "select count(*) from atendimento_profissional",
     "", "2"},
    {"procedure names of an attendance",
     " select a.id_tipo_procedimento, nome from procedimento a \n"
     " left join tipo_procedimento b on (a.id_tipo_procedimento = b.id_tipo_procedimento) \n where "
     "a.id_atendimento = 1",
     "", "12|CASTRAÇÃO\n13|VACINAÇÃO"},
    {"monthly report: DATEPART, is not null, group by",
     " select  a.id_unidade_Agendada, b.nome as nome_Unidade_Agendada, d.id_tipo_procedimento, \n"
     " w.id_profissional, c.nome, e.nome  as nomeTipoProc,  count(*) as qt \n from atendimento a \n"
     " left join atendimento_profissional w on (a.id_atendimento = w.id_atendimento) \n"
     " left join unidade_trabalho b on (a.id_unidade_Agendada = b.id_unidade_trabalho) \n"
     " left join profissional c on (w.id_profissional = c.id_profissional) \n"
     " left join procedimento d on (a.id_atendimento = d.id_atendimento) \n"
     " left join Tipo_procedimento e on (d.id_tipo_procedimento = e.id_tipo_procedimento) \n"
     " where (DATEPART(year,a.Data_Hora_Atendimento ) = 2026) \n"
     " and (DATEPART(month,a.Data_Hora_Atendimento) = 3) \n"
     " and w.id_profissional is not null \n and d.id_procedimento is not null \n"
     " group by  a.id_unidade_Agendada, b.nome,w.id_profissional, c.nome, "
     "d.id_tipo_procedimento,e.nome \n"
     " order by a.id_unidade_Agendada, c.nome, d.id_tipo_procedimento",
     "",
     "2|Zona Norte|12|2|DR. CARLOS|CASTRAÇÃO|1\n2|Zona Norte|13|2|DR. CARLOS|VACINAÇÃO|1\n"
     "2|Zona Norte|12|1|DRA. ANA|CASTRAÇÃO|2\n2|Zona Norte|13|1|DRA. ANA|VACINAÇÃO|1"},
    {"case-closing occurrence: a date typed without quotes is arithmetic",
     " select a.id_ocorrencia,b.nome, b.ind_finaliza_caso \n from ocorrencia a left outer join  "
     "tipo_ocorrencia b \n"
     " on (a.id_Tipo_ocorrencia = b.id_Tipo_ocorrencia ) \n where b.ind_finaliza_caso = 'S' \n and "
     "id_animal = 1\n"
     " and dt_ocorrencia > 05/03/26",
     "", "1|ÓBITO|S"},
    {"private attendances: owner's animals by name",
     " select id_animal, nome from animal \n where id_proprietario = 1 order by nome ", "",
     "2|MIA\n1|REX"},
    {"standard prescription: top 1 *", " select top 1 * from receituario_Padrao", "",
     "1|Texto padrão|NULL|NULL"},
    {"standard prescription change with a date parameter",
     " update receituario_Padrao \n set \n descricao = 'Novo texto' \n ,Modificado_Por = 1 \n "
     ",Modificado_Em = :pdata \n"
     " where \n Id_Receituario_padrao = 1\n"
     "select descricao, Modificado_Em from receituario_Padrao",
     "pdata=2026-03-05 10:20:30", "Novo texto|2026-03-05 10:20:30"},

    // ---- Reference tables, exports and the advanced search ----
    {"breed listing: upper of accented names",
     "select a.id_raca, upper(a.nome) as nome , a.descricao as desc_raca,  b.descricao as "
     "desc_porte, c.descricao as "
     "desc_pelo, a.ind_status from raca a left join porte b on (a.id_porte = b.id_porte) left join "
     "pelo c on (a.id_pelo = "
     "c.id_pelo) ",
     "",
     "1|SRD|Sem raça definida|MÉDIO|CURTO|ATIVO\n2|SIAMÊS|Gato oriental|PEQUENO|MÉDIO|ATIVO\n"
     "3|POODLE|Toy|PEQUENO|LONGO|INATIVO\n4|BEAGLE|Caçador|MÉDIO|CURTO|ATIVO"},
    {"district list: cast as char(1) + ' - ' + substring",
     " select (cast(id_distrito as char(1)) +' - '+ substring(nome,5,20)) as nome from distrito ",
     "", "1 - NORTE\n2 - SUL\n3 - LESTE"},
    {"advanced search count: subqueries in join conditions, empty microchip",
     " select count(*) as valor from animal a \n"
     "left outer join proprietario b on (a.id_proprietario = b.id_proprietario) \n"
     "left outer join grupo_animal_animal d on (a.Id_animal = d.id_animal \n"
     "                 and d.Id_Grupo_Animal_Animal =(select max(y.Id_Grupo_Animal_Animal) \n"
     "                 from Grupo_Animal_Animal y where a.Id_animal = y.id_animal)) \n"
     "left outer join  especie e on (a.Id_especie = e.id_especie) \n"
     "left outer join  raca f on (a.Id_raca = f.id_raca) \n"
     "left outer join  pelo g on (a.Id_pelo = g.id_pelo) \n"
     "left outer join  porte h on (a.Id_porte = h.id_porte) \n"
     "left outer join  endereco_animal i on (a.Id_animal = i.id_animal \n"
     "                 and i.id_endereco = (select max(z.id_endereco) \n"
     "                 from endereco_animal z where a.Id_animal = z.id_animal)) \n"
     "left outer join  endereco j on (i.Id_endereco = j.id_endereco ) \n"
     "left outer join  distrito l on (j.Id_distrito = l.Id_distrito ) \n"
     " where b.Status_Registro = 'ATIVO'\n"
     " and ((a.num_microchip is null) or (a.num_microchip = ''))",
     "", "2"},
    {"advanced search: criteria lines, latest group and address",
     " select \n  a.Id_Animal, a.Nome as nome_animal, d.Dt_Entrada_Grupo, j.Id_Endereco, "
     "j.NUM_IMOV_LOGR, l.nome as nome_distrito \n"
     "  from animal a \n"
     "left outer join proprietario b on (a.id_proprietario = b.id_proprietario) \n"
     "left outer join grupo_animal_animal d on (a.Id_animal = d.id_animal \n"
     "                 and d.Id_Grupo_Animal_Animal =(select max(y.Id_Grupo_Animal_Animal) \n"
     "                 from Grupo_Animal_Animal y where a.Id_animal = y.id_animal)) \n"
     "left outer join  endereco_animal i on (a.Id_animal = i.id_animal \n"
     "                 and i.id_endereco = (select max(z.id_endereco) \n"
     "                 from endereco_animal z where a.Id_animal = z.id_animal)) \n"
     "left outer join  endereco j on (i.Id_endereco = j.id_endereco ) \n"
     "left outer join  distrito l on (j.Id_distrito = l.Id_distrito ) \n"
     " where b.Status_Registro = 'ATIVO'\n"
     " and a.Sexo like'%M%'\n"
     "and a.Id_Especie = 1\n"
     "order by a.Id_Proprietario, a.Id_Animal",
     "", "1|REX|2026-02-01 00:00:00|3|45|DS1 NORTE\n3|TOBY|2025-12-20 00:00:00|NULL|NULL|NULL"},
};

}  // namespace orbadil::test

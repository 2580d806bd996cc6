// Every SQL text the catalogue builds, as it builds it (language P, codes
// filled in), translates and runs against the catalogue's tables.  A name
// that does not resolve, a function without its registration or a construct
// SQLite rejects fails here.

#include "jettestdb.h"

#include <gtest/gtest.h>

using tqtest::JetDb;

namespace {

const char* const kSchema[] = {
    "CREATE TABLE PECA (CodigoPeca LONG, NumeroEmpresaPeca TEXT(20), DescricaoPecaP TEXT(100), "
    "DescricaoPecaPesquisaP TEXT(100), TipoPeca TEXT(1), ImagensGrid TEXT(10), CodigoFigura LONG, CodigoSugestao LONG, "
    "ArquivoFotoPeca TEXT(50))",
    "CREATE TABLE COMPONENTE (CodigoComponente LONG, NumeroEmpresaComponente TEXT(20), DescricaoComponenteP TEXT(100), "
    "ImagensGrid TEXT(10))",
    "CREATE TABLE JOGOREPARO (CodigoJogoReparo LONG, NumeroEmpresaJogoReparo TEXT(20), DescricaoJogoReparoP TEXT(100), "
    "ImagensGrid TEXT(10))",
    "CREATE TABLE PECA_COMPONENTE (CodigoPeca LONG, ItemComponente TEXT(10), CodigoComponente LONG, "
    "QuantidadeComponente TEXT(5), FlagOpcionalComponente BYTE, ImagensGrid TEXT(4))",
    "CREATE TABLE PECA_COMPONENTE_JOGOREPARO (CodigoPeca LONG, ItemComponente TEXT(10), CodigoJogoReparo LONG)",
    "CREATE TABLE FIGURADETALHADA1 (CodigoPeca LONG, NumeroParte BYTE, CodigoFiguraDetalhada LONG, ArquivoFigura "
    "TEXT(50), ItemComponente TEXT(10), ItemComponenteResumido TEXT(10), PosicaoLeft LONG, PosicaoTop LONG, "
    "DescricaoParteP TEXT(50))",
    "CREATE TABLE FIGURADETALHADA (CodigoFigura LONG, NumeroParte BYTE, ItemComponente TEXT(10))",
    "CREATE TABLE PARTESFIGURA (CodigoFigura LONG, NumeroParte BYTE, DescricaoParteP TEXT(50))",
    "CREATE TABLE TIPOPECA (CodigoTipoPeca TEXT(1), DescricaoTipoPecaP TEXT(50))",
    "CREATE TABLE FABRICANTE (CodigoFabricante LONG, DescricaoFabricanteP TEXT(50))",
    "CREATE TABLE VEICULO (CodigoVeiculo LONG, CodigoFabricante LONG, DescricaoVeiculoP TEXT(100), "
    "DescricaoVeiculoPesquisaP TEXT(100))",
    "CREATE TABLE VEICULO_PECA (CodigoVeiculo LONG, CodigoPeca LONG)",
    "CREATE TABLE REFERENCIACRUZADA (NumeroEmpresa TEXT(20), CodigoFabricante LONG, NumeroFabricante TEXT(30))",
    "CREATE TABLE APLICACAOOBS_Componente (CodigoObservacao LONG, CodigoComponente LONG, CodigoPeca LONG, "
    "ItemComponente TEXT(10))",
    "CREATE TABLE APLICACAOOBS_JogoReparo (CodigoObservacao LONG, CodigoJogoReparo LONG, CodigoPeca LONG)",
    "CREATE TABLE OBSERVACAO_RAPIDA (CodigoObservacao LONG, ObservacaoRapidaP TEXT(255))",
    "CREATE TABLE OBSERVACAO_MEMO (CodigoObservacao LONG, ObservacaoMemoP MEMO, AnexosP TEXT(255))",
    "CREATE TABLE SUBSTITUIDOS (TipoItem TEXT(3), CodigoItem LONG, CodigoItemNovo LONG)",
    "CREATE TABLE SUGESTAO_COMPONENTE (CodigoSugestao LONG, ItemComponente TEXT(10), ItemComponenteSugestao "
    "TEXT(10), QuantidadeComponente SHORT)",
    "CREATE TABLE SUGESTAO_JOGOREPARO (CodigoSugestao LONG, ItemComponente TEXT(10), CodigoJogoReparo LONG)",
    "CREATE TABLE UMREGISTRO (UrlAtualizacao TEXT(255), Versao LONG, VersaoAnterior LONG, DataEmissao DATETIME, "
    "ComplementoDataEmissao TEXT(50), DataUltimaVerificacao DATETIME, FlagErroUltimaVerificacao BYTE)",
    "CREATE TABLE CONTROLETRAN (a LONG)",
    "CREATE TABLE CODIGOFABRICANTE (CodigoFabricante LONG)",
    "CREATE TABLE Lista_20240505_0(Tipo          text(3) ,Codigo        long    ,Quantidade    short   ,Descricao     "
    "text(50),NumeroEmpresa text(30),DescricaoTipo text(30),Opcional      text(1) ,CONSTRAINT PKLista_20240505_0 "
    "PRIMARY KEY(Tipo, Codigo))",
    "CREATE TABLE Cmp_20240505_1A281CEC_0(CodigoComponente        long,NumeroEmpresaComponente text(12),"
    "DescricaoComponente     text(50),QuantidadeComponente1   text(5) Null,QuantidadeComponente2   text(5) Null,"
    "ImagensGrid             text(3),Iguais                  byte)",
};

// The item sort expression for PECA_COMPONENTE.
#define ITEM_ORDER                                                                                                     \
    "IIF(   PECA_COMPONENTE.ItemComponente LIKE '##.###*' , Format( LEFT(PECA_COMPONENTE.ItemComponente&'.000',10) , " \
    "'00,000,000') , IIF(   IsNumeric(PECA_COMPONENTE.ItemComponente) , ' ' + Format( "                                \
    "VAL(PECA_COMPONENTE.ItemComponente) , '000.00') , PECA_COMPONENTE.ItemComponente   )   ) "

const char* const kStatements[] = {
    // Start-up, lock, stamps, update run
    "SELECT 1 FROM TIPOPECA WHERE DescricaoTipoPecaP='TRANSMISSÃO'",
    "UPDATE CONTROLETRAN SET a = a",
    "UPDATE UMREGISTRO SET DataUltimaVerificacao=DateSerial(2024,5,5)+TimeSerial(13,5,9),FlagErroUltimaVerificacao=0",
    "UPDATE UMREGISTRO SET Versao                    = 5,VersaoAnterior            = 4,DataUltimaVerificacao     = "
    "DateSerial(2024,5,5)+TimeSerial(13,5,9),FlagErroUltimaVerificacao = 0",
    "SELECT UrlAtualizacao, Versao FROM UMREGISTRO",
    "SELECT UrlAtualizacao FROM UMREGISTRO",
    "SELECT DataEmissao,ComplementoDataEmissao,DataUltimaVerificacao,FlagErroUltimaVerificacao FROM UMREGISTRO",
    // Searches and drop-downs of the main window
    "SELECT VEICULO.DescricaoVeiculoP As Veiculo,FABRICANTE.DescricaoFabricanteP AS Fabricante,VEICULO.CodigoVeiculo AS "
    "Codigo FROM VEICULO INNER JOIN FABRICANTE ON VEICULO.CodigoFabricante = FABRICANTE.CodigoFabricante WHERE "
    "VEICULO.DescricaoVeiculoPesquisaP LIKE '*[CÇ][AÁÀÂÄÃª]M*' AND VEICULO.CodigoFabricante = 7 ORDER BY 1,2",
    "SELECT FABRICANTE.DescricaoFabricanteP AS DescricaoFabricante,FABRICANTE.CodigoFabricante,"
    "FABRICANTE.DescricaoFabricanteP AS OrderBy FROM FABRICANTE UNION ALL SELECT 'TODOS OS FABRICANTES' AS "
    "DescricaoFabricante,0 AS CodigoFabricante,'' AS OrderBy FROM CODIGOFABRICANTE ORDER BY OrderBy",
    "SELECT CodigoTipoPeca,DescricaoTipoPecaP AS DescricaoTipoPeca,1 AS OrderBy FROM TIPOPECA UNION ALL SELECT ' ' AS "
    "CodigoTipoPeca, 'TODOS' AS DescricaoTipoPeca, 0 AS OrderBy FROM CODIGOFABRICANTE UNION ALL SELECT '3' AS "
    "CodigoTipoPeca, 'CONJUNTOS' AS DescricaoTipoPeca, 2 AS OrderBy FROM CODIGOFABRICANTE UNION ALL SELECT '1' AS "
    "CodigoTipoPeca, 'Jogo de Reparo' AS DescricaoTipoPeca, 3 AS OrderBy FROM CODIGOFABRICANTE UNION ALL SELECT '2' AS "
    "CodigoTipoPeca, 'Componente' AS DescricaoTipoPeca, 4 AS OrderBy FROM CODIGOFABRICANTE ORDER BY 3,2",
    "SELECT DISTINCT Format(PECA.NumeroEmpresaPeca, '0000 000 000') AS NumeroEmpresaPeca,PECA.DescricaoPecaP AS "
    "DescricaoPeca,PECA_COMPONENTE.CodigoPeca,TIPOPECA.DescricaoTipoPecaP AS DescricaoTipoPeca,PECA.ArquivoFotoPeca,"
    "PECA.ImagensGrid,PECA.TipoPeca FROM (PECA_COMPONENTE INNER JOIN PECA ON PECA_COMPONENTE.CodigoPeca = "
    "PECA.CodigoPeca) LEFT JOIN TIPOPECA ON PECA.TipoPeca = TIPOPECA.CodigoTipoPeca WHERE "
    "PECA_COMPONENTE.CodigoComponente = 123 ORDER BY 1",
    // Item texts
    "SELECT VEICULO.DescricaoVeiculoP        AS Tit1,FABRICANTE.DescricaoFabricanteP  AS Tit2,'Veículo' AS "
    "DescricaoTipo FROM VEICULO,FABRICANTE WHERE VEICULO.CodigoVeiculo = 500 AND VEICULO.CodigoFabricante = "
    "FABRICANTE.CodigoFabricante",
    "SELECT DescricaoPecaP                          AS Tit1,Format(NumeroEmpresaPeca, '0000 000 000') AS "
    "Tit2,IIF(TipoPeca='E','Eixo','Transmissão')                                      AS DescricaoTipo FROM Peca "
    "WHERE CodigoPeca = 100",
    "SELECT APLICACAOOBS_Componente.CodigoObservacao,OBSERVACAO_RAPIDA.ObservacaoRapidaP AS ObservacaoRapida FROM "
    "APLICACAOOBS_Componente LEFT JOIN OBSERVACAO_RAPIDA ON OBSERVACAO_RAPIDA.CodigoObservacao = "
    "APLICACAOOBS_Componente.CodigoObservacao WHERE CodigoComponente = 1 AND (CodigoPeca = Null OR (CodigoPeca = 100 "
    "AND (ItemComponente = Null OR ItemComponente = '01.002')))",
    "SELECT APLICACAOOBS_JogoReparo.CodigoObservacao,OBSERVACAO_RAPIDA.ObservacaoRapidaP AS "
    "ObservacaoRapida,OBSERVACAO_MEMO.ObservacaoMemoP     AS ObservacaoMemo ,AnexosP AS Anexos FROM "
    "((APLICACAOOBS_JogoReparo LEFT JOIN OBSERVACAO_RAPIDA ON OBSERVACAO_RAPIDA.CodigoObservacao = "
    "APLICACAOOBS_JogoReparo.CodigoObservacao) LEFT JOIN OBSERVACAO_MEMO   ON OBSERVACAO_MEMO.CodigoObservacao   = "
    "APLICACAOOBS_JogoReparo.CodigoObservacao) WHERE CodigoJogoReparo = 1 AND CodigoPeca = Null",
    "SELECT TOP 1 AnexosP FROM OBSERVACAO_MEMO",
    "SELECT CodigoItemNovo FROM SUBSTITUIDOS WHERE TipoItem   ='COM' AND CodigoItem =1",
    "SELECT Format(NumeroEmpresaComponente,'0000 000 000') FROM Componente  WHERE CodigoComponente = 2",
    "SELECT SUBSTITUIDOS.CodigoItem,Format(Componente.NumeroEmpresaComponente,'0000 000 000') AS NumeroEmpresa FROM "
    "SUBSTITUIDOS INNER JOIN Componente ON SUBSTITUIDOS.CodigoItem = Componente.CodigoComponente WHERE "
    "SUBSTITUIDOS.TipoItem = 'COM' AND SUBSTITUIDOS.CodigoItemNovo IN (1,2)",
    // Cross references
    "SELECT IIF(Left(FABRICANTE.DescricaoFabricanteP,15)='DaimlerChrysler','DaimlerChrysler',"
    "FABRICANTE.DescricaoFabricanteP) AS DescricaoFabricante,REFERENCIACRUZADA.NumeroFabricante,"
    "IIF(REFERENCIACRUZADA.NumeroFabricante LIKE '*123*',1,0) AS CorDestaque FROM REFERENCIACRUZADA INNER JOIN "
    "FABRICANTE ON REFERENCIACRUZADA.CodigoFabricante = FABRICANTE.CodigoFabricante WHERE "
    "REFERENCIACRUZADA.NumeroEmpresa = '501123456' AND REFERENCIACRUZADA.CodigoFabricante IN (7,8) ORDER BY "
    "IIF(REFERENCIACRUZADA.NumeroFabricante LIKE '*123*',0,1),1,2",
    "SELECT DISTINCT VEICULO.CodigoFabricante FROM VEICULO_PECA INNER JOIN VEICULO ON VEICULO_PECA.CodigoVeiculo = "
    "VEICULO.CodigoVeiculo WHERE VEICULO_PECA.CodigoPeca=100 OR VEICULO_PECA.CodigoPeca=101",
    "SELECT NumeroFabricante FROM REFERENCIACRUZADA WHERE NumeroEmpresa='501123456' AND CodigoFabricante=7 ORDER BY 1",
    // Figure and components table
    "SELECT DISTINCT FIGURADETALHADA1.NumeroParte,FIGURADETALHADA1.CodigoFiguraDetalhada,FIGURADETALHADA1.ArquivoFigura,"
    "FIGURADETALHADA1.ItemComponente,FIGURADETALHADA1.ItemComponenteResumido,FIGURADETALHADA1.PosicaoLeft,"
    "FIGURADETALHADA1.PosicaoTop,FIGURADETALHADA1.DescricaoParteP AS DescricaoParte,"
    "PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo,PECA_COMPONENTE.ItemComponente AS ItemAplicavel FROM "
    "(FIGURADETALHADA1 LEFT JOIN PECA_COMPONENTE_JOGOREPARO ON (FIGURADETALHADA1.CodigoPeca     = "
    "PECA_COMPONENTE_JOGOREPARO.CodigoPeca) AND (FIGURADETALHADA1.ItemComponente = "
    "PECA_COMPONENTE_JOGOREPARO.ItemComponente)) LEFT JOIN PECA_COMPONENTE ON (FIGURADETALHADA1.CodigoPeca     = "
    "PECA_COMPONENTE.CodigoPeca) AND (FIGURADETALHADA1.ItemComponente = PECA_COMPONENTE.ItemComponente) WHERE "
    "FIGURADETALHADA1.CodigoPeca = 100 ORDER BY FIGURADETALHADA1.NumeroParte,FIGURADETALHADA1.CodigoFiguraDetalhada",
    "SELECT PECA_COMPONENTE.ItemComponente,COMPONENTE.DescricaoComponenteP AS DescricaoComponente,"
    "Format(COMPONENTE.NumeroEmpresaComponente, '0000 000 000') AS NumeroEmpresaComponente,"
    "Mid(PECA_COMPONENTE.ImagensGrid, 1, 1) AS SugestaoCompra,Mid(PECA_COMPONENTE.ImagensGrid, 2, 1) AS Opcional,"
    "Mid(PECA_COMPONENTE.ImagensGrid, 3, 1) AS JogoReparo,Mid(PECA_COMPONENTE.ImagensGrid, 4, 1) AS Observacao,"
    "PECA_COMPONENTE.CodigoComponente,PECA_COMPONENTE.QuantidadeComponente FROM PECA_COMPONENTE INNER JOIN COMPONENTE "
    "ON PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente WHERE PECA_COMPONENTE.FlagOpcionalComponente = 0 "
    "AND PECA_COMPONENTE.CodigoPeca = 100 ORDER BY 1,8",
    "SELECT ItemComponente FROM PECA_COMPONENTE WHERE CodigoPeca = 100 AND CodigoComponente = 1",
    "SELECT JOGOREPARO.DescricaoJogoReparoP AS DescricaoJogoReparo,Format(JOGOREPARO.NumeroEmpresaJogoReparo, '0000 000 "
    "000') AS NumeroEmpresaJogoReparo FROM PECA_COMPONENTE_JOGOREPARO INNER JOIN JOGOREPARO ON "
    "PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo = JOGOREPARO.CodigoJogoReparo WHERE "
    "PECA_COMPONENTE_JOGOREPARO.CodigoPeca = 100 AND PECA_COMPONENTE_JOGOREPARO.ItemComponente = '01.002' ORDER BY 1",
    "SELECT " ITEM_ORDER " AS ItemComponenteOrderBy,PECA_COMPONENTE.QuantidadeComponente,COMPONENTE.DescricaoComponenteP "
    "AS DescricaoComponente,Format(COMPONENTE.NumeroEmpresaComponente, '0000 000 000') AS NumeroEmpresaComponente,"
    "PECA_COMPONENTE.ImagensGrid,PECA_COMPONENTE.ItemComponente,PECA_COMPONENTE.CodigoComponente,"
    "COMPONENTE.NumeroEmpresaComponente AS NumeroEmpresaComponentePesquisa FROM (PECA_COMPONENTE LEFT JOIN "
    "PECA_COMPONENTE_JOGOREPARO ON PECA_COMPONENTE.CodigoPeca = PECA_COMPONENTE_JOGOREPARO.CodigoPeca AND "
    "PECA_COMPONENTE.ItemComponente = PECA_COMPONENTE_JOGOREPARO.ItemComponente) INNER JOIN COMPONENTE ON "
    "PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente WHERE PECA_COMPONENTE.FlagOpcionalComponente = 0 AND "
    "PECA_COMPONENTE.CodigoPeca = 100 AND PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo = 7 ORDER BY 4",
    "SELECT DISTINCT PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo, Format(JOGOREPARO.NumeroEmpresaJogoReparo, '0000 000 "
    "000') AS NumeroEmpresaJogoReparo,JOGOREPARO.DescricaoJogoReparoP AS DescricaoJogoReparo,' ' & IIF(EXISTS(SELECT 1 "
    "FROM APLICACAOOBS_JOGOREPARO AS A WHERE A.CodigoJogoReparo = PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo AND "
    "(A.CodigoPeca = Null OR A.CodigoPeca = PECA_COMPONENTE_JOGOREPARO.CodigoPeca)),' ','\r') AS "
    "ImagensGrid,JOGOREPARO.DescricaoJogoReparoP AS OrderBy FROM PECA_COMPONENTE_JOGOREPARO INNER JOIN JOGOREPARO ON "
    "PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo = JOGOREPARO.CodigoJogoReparo WHERE "
    "PECA_COMPONENTE_JOGOREPARO.CodigoPeca = 100 UNION ALL SELECT 0  AS CodigoJogoReparo,'' AS "
    "NumeroEmpresaJogoReparo,'TODOS' AS DescricaoJogoReparo,'\r\r' AS ImagensGrid,'' AS OrderBy FROM CODIGOFABRICANTE "
    "ORDER BY OrderBy",
    "SELECT DISTINCT TOP 50 COMPONENTE.CodigoComponente FROM (REFERENCIACRUZADA INNER JOIN COMPONENTE ON "
    "REFERENCIACRUZADA.NumeroEmpresa = COMPONENTE.NumeroEmpresaComponente) INNER JOIN PECA_COMPONENTE ON "
    "COMPONENTE.CodigoComponente = PECA_COMPONENTE.CodigoComponente WHERE REFERENCIACRUZADA.NumeroFabricante LIKE '*12*' "
    "AND REFERENCIACRUZADA.CodigoFabricante IN (-5) AND PECA_COMPONENTE.CodigoPeca=100",
    // Detail window
    "SELECT JOGOREPARO.DescricaoJogoReparoP AS DescricaoJogoReparo,Format(JOGOREPARO.NumeroEmpresaJogoReparo, '0000 000 "
    "000') AS NumeroEmpresaJogoReparo,IIF(EXISTS(SELECT 1 FROM APLICACAOOBS_JOGOREPARO AS A WHERE A.CodigoJogoReparo = "
    "PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo AND (A.CodigoPeca = Null OR A.CodigoPeca = "
    "PECA_COMPONENTE_JOGOREPARO.CodigoPeca)),' ','\r') AS "
    "ImagensGrid,PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo,PECA_COMPONENTE_JOGOREPARO.CodigoPeca FROM "
    "PECA_COMPONENTE_JOGOREPARO INNER JOIN JOGOREPARO ON PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo = "
    "JOGOREPARO.CodigoJogoReparo WHERE PECA_COMPONENTE_JOGOREPARO.CodigoPeca = 100 AND "
    "PECA_COMPONENTE_JOGOREPARO.ItemComponente = '01.002' ORDER BY 1",
    "SELECT VEICULO.DescricaoVeiculoP AS Veiculo, FABRICANTE.DescricaoFabricanteP AS Fabricante FROM (VEICULO_PECA INNER "
    "JOIN VEICULO ON VEICULO_PECA.CodigoVeiculo = VEICULO.CodigoVeiculo) INNER JOIN FABRICANTE ON "
    "VEICULO.CodigoFabricante = FABRICANTE.CodigoFabricante WHERE VEICULO_PECA.CodigoPeca = 100 ORDER BY 1,2",
    "SELECT PECA_COMPONENTE.CodigoPeca,PECA_COMPONENTE.QuantidadeComponente,COMPONENTE.DescricaoComponenteP AS "
    "DescricaoComponente,Format(COMPONENTE.NumeroEmpresaComponente, '0000 000 000') AS NumeroEmpresaComponente,"
    "PECA_COMPONENTE.ItemComponente,PECA_COMPONENTE.CodigoComponente,Mid(PECA_COMPONENTE.ImagensGrid, 4, 1) AS "
    "ImagensGrid FROM PECA_COMPONENTE INNER JOIN COMPONENTE ON PECA_COMPONENTE.CodigoComponente = "
    "COMPONENTE.CodigoComponente WHERE PECA_COMPONENTE.FlagOpcionalComponente = 1 AND PECA_COMPONENTE.CodigoPeca = 100 "
    "AND PECA_COMPONENTE.ItemComponente = '01.002' ORDER BY NumeroEmpresaComponente",
    // Cart
    "SELECT Quantidade, Opcional FROM Lista_20240505_0 WHERE Tipo = 'COM' AND Codigo = 5",
    "SELECT DescricaoComponenteP  AS Descricao,NumeroEmpresaComponente AS NumeroEmpresa,'Componente'              AS "
    "DescricaoTipo FROM Componente WHERE CodigoComponente = 5",
    "INSERT INTO Lista_20240505_0(Tipo,Codigo,Quantidade,Descricao,NumeroEmpresa,DescricaoTipo,Opcional)VALUES('COM',5,"
    "2,'ANEL','501123456','Componente',' ')",
    "SELECT Format(Lista_20240505_0.NumeroEmpresa, '0000 000 000') AS NumeroEmpresa,Descricao,Quantidade,DescricaoTipo,"
    "Tipo,Codigo,Opcional FROM Lista_20240505_0 ORDER BY 1",
    "DELETE FROM Lista_20240505_0 WHERE Tipo = 'COM' AND Codigo = 5",
    "DELETE FROM Lista_20240505_0",
    // Comparison
    "SELECT CodigoPeca,DescricaoPecaP AS DescricaoPeca,TipoPeca,NumeroEmpresaPeca FROM PECA",
    "SELECT DescricaoTipoPecaP FROM TIPOPECA WHERE CodigoTipoPeca='T'",
    "SELECT PECA_COMPONENTE.CodigoComponente,Format(Min(COMPONENTE.NumeroEmpresaComponente), '0000 000 000') AS "
    "NumeroEmpresaComponente,Min(COMPONENTE.DescricaoComponenteP) AS DescricaoComponente,"
    "Sum(IIF(IsNumeric(PECA_COMPONENTE.QuantidadeComponente), Val(PECA_COMPONENTE.QuantidadeComponente), 0)) AS "
    "QuantidadeComponente,Max(Mid(PECA_COMPONENTE.ImagensGrid, 2, 1)) AS Opcional FROM PECA_COMPONENTE INNER JOIN "
    "COMPONENTE ON PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente WHERE "
    "PECA_COMPONENTE.FlagOpcionalComponente = 0 AND PECA_COMPONENTE.CodigoPeca = 100  AND "
    "IsNumeric(PECA_COMPONENTE.QuantidadeComponente) GROUP BY PECA_COMPONENTE.CodigoComponente ORDER BY "
    "PECA_COMPONENTE.CodigoComponente",
    "INSERT INTO Cmp_20240505_1A281CEC_0(CodigoComponente,NumeroEmpresaComponente,DescricaoComponente,"
    "QuantidadeComponente1,QuantidadeComponente2,ImagensGrid,Iguais) VALUES(7,'0501 123 456','ANEL','2',Null,' ',0)",
    "SELECT * FROM Cmp_20240505_1A281CEC_0 WHERE Iguais = 0 ORDER BY NumeroEmpresaComponente",
    "SELECT CodigoPeca,Format(NumeroEmpresaPeca, '0000 000 000') AS NumEmpresaPeca,DescricaoPecaP AS "
    "DescricaoPeca,TipoPeca,IIF(CodigoPeca = 100,0,1) As OrdemPeca FROM PECA WHERE CodigoPeca IN (100,101)",
    "SELECT CodigoComponente,QuantidadeComponente1 AS QuantidadeComponente,Left(ImagensGrid, 1) AS Opcional FROM "
    "Cmp_20240505_1A281CEC_0 WHERE QuantidadeComponente1 Is Not Null AND Iguais = 0  ORDER BY DescricaoComponente",
    // Buying suggestion
    "SELECT CodigoSugestao FROM PECA WHERE CodigoPeca=100",
    "SELECT 'COM' AS Tipo,PECA_COMPONENTE.CodigoComponente AS Codigo,Format(Min(COMPONENTE.NumeroEmpresaComponente), "
    "'0000 000 000') AS NumeroEmpresa,IIF(IsNull(Max(SUGESTAO_COMPONENTE.QuantidadeComponente)), "
    "Sum(IIF(IsNumeric(PECA_COMPONENTE.QuantidadeComponente), Int(PECA_COMPONENTE.QuantidadeComponente), 1)), "
    "Max(SUGESTAO_COMPONENTE.QuantidadeComponente)) AS QuantidadeInt,Min(COMPONENTE.DescricaoComponenteP) AS "
    "Descricao,Mid(Min(PECA_COMPONENTE.ImagensGrid), 2, 1) AS Opcional FROM ((PECA INNER JOIN SUGESTAO_COMPONENTE ON "
    "PECA.CodigoSugestao = SUGESTAO_COMPONENTE.CodigoSugestao) INNER JOIN PECA_COMPONENTE ON PECA.CodigoPeca = "
    "PECA_COMPONENTE.CodigoPeca AND SUGESTAO_COMPONENTE.ItemComponenteSugestao = PECA_COMPONENTE.ItemComponente) INNER "
    "JOIN COMPONENTE ON PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente WHERE PECA.CodigoPeca=100 AND "
    "SUGESTAO_COMPONENTE.ItemComponente='01.002' AND PECA_COMPONENTE.FlagOpcionalComponente=0 GROUP BY "
    "PECA_COMPONENTE.CodigoComponente UNION ALL SELECT 'JRE' AS Tipo,SUGESTAO_JOGOREPARO.CodigoJogoReparo AS "
    "Codigo,Format(JOGOREPARO.NumeroEmpresaJogoReparo, '0000 000 000') AS NumeroEmpresa,1 AS "
    "QuantidadeInt,JOGOREPARO.DescricaoJogoReparoP AS Descricao,'\r' AS Opcional FROM SUGESTAO_JOGOREPARO INNER JOIN "
    "JOGOREPARO ON SUGESTAO_JOGOREPARO.CodigoJogoReparo = JOGOREPARO.CodigoJogoReparo WHERE "
    "SUGESTAO_JOGOREPARO.CodigoSugestao=3 AND SUGESTAO_JOGOREPARO.ItemComponente='01.002' AND EXISTS(SELECT 1 FROM "
    "PECA_COMPONENTE_JOGOREPARO WHERE PECA_COMPONENTE_JOGOREPARO.CodigoPeca=100 AND "
    "PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo=SUGESTAO_JOGOREPARO.CodigoJogoReparo) ORDER BY 3,2",
    "SELECT CodigoComponente,QuantidadeComponente,Mid(ImagensGrid, 2, 1) AS Opcional FROM PECA_COMPONENTE WHERE "
    "CodigoPeca = 100 AND ItemComponente = '01.002' AND FlagOpcionalComponente = 0",
    "SELECT SUGESTAO_COMPONENTE.ItemComponenteSugestao FROM (PECA INNER JOIN SUGESTAO_COMPONENTE ON PECA.CodigoSugestao = "
    "SUGESTAO_COMPONENTE.CodigoSugestao) INNER JOIN PECA_COMPONENTE ON PECA.CodigoPeca = PECA_COMPONENTE.CodigoPeca AND "
    "SUGESTAO_COMPONENTE.ItemComponenteSugestao = PECA_COMPONENTE.ItemComponente WHERE PECA.CodigoPeca=100 AND "
    "SUGESTAO_COMPONENTE.ItemComponente='01.002' AND PECA_COMPONENTE.CodigoComponente=5 AND "
    "PECA_COMPONENTE.FlagOpcionalComponente=0 AND Mid(PECA_COMPONENTE.ImagensGrid, 2, 1)=' '",
    // Output
    "SELECT PARTESFIGURA.NumeroParte,PARTESFIGURA.DescricaoParteP AS DescricaoParte FROM PECA,PARTESFIGURA WHERE "
    "PECA.CodigoPeca = 100 AND PECA.CodigoFigura = PARTESFIGURA.CodigoFigura ORDER BY PARTESFIGURA.NumeroParte",
    "SELECT FIGURADETALHADA1.ArquivoFigura,FIGURADETALHADA1.ItemComponenteResumido AS ItemFigura,"
    "FIGURADETALHADA1.PosicaoLeft,FIGURADETALHADA1.PosicaoTop,PECA_COMPONENTE.ItemComponente AS ItemAplicavel FROM "
    "FIGURADETALHADA1 LEFT JOIN PECA_COMPONENTE ON (FIGURADETALHADA1.CodigoPeca     = PECA_COMPONENTE.CodigoPeca) AND "
    "(FIGURADETALHADA1.ItemComponente = PECA_COMPONENTE.ItemComponente) WHERE FIGURADETALHADA1.CodigoPeca = 100 AND "
    "FIGURADETALHADA1.NumeroParte = 1",
    "SELECT IIF(Left(FABRICANTE.DescricaoFabricanteP,15)='DaimlerChrysler','DaimlerChrysler',"
    "FABRICANTE.DescricaoFabricanteP) FROM FABRICANTE WHERE CodigoFabricante=7",
    "SELECT DISTINCT " ITEM_ORDER " AS ItemComponenteOrderBy,PECA_COMPONENTE.FlagOpcionalComponente,"
    "PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo,PECA_COMPONENTE.CodigoComponente,PECA_COMPONENTE.ItemComponente,"
    "PECA_COMPONENTE.QuantidadeComponente,COMPONENTE.DescricaoComponenteP AS DescricaoComponente,"
    "Format(COMPONENTE.NumeroEmpresaComponente, '0000 000 000') AS NumeroEmpresaComponente,PECA_COMPONENTE.ImagensGrid "
    "FROM (((PECA INNER JOIN PECA_COMPONENTE ON PECA.CodigoPeca = PECA_COMPONENTE.CodigoPeca) LEFT JOIN "
    "PECA_COMPONENTE_JOGOREPARO ON PECA_COMPONENTE.CodigoPeca = PECA_COMPONENTE_JOGOREPARO.CodigoPeca AND "
    "PECA_COMPONENTE.ItemComponente = PECA_COMPONENTE_JOGOREPARO.ItemComponente) INNER JOIN COMPONENTE ON "
    "PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente) INNER JOIN FIGURADETALHADA ON PECA.CodigoFigura = "
    "FIGURADETALHADA.CodigoFigura AND PECA_COMPONENTE.ItemComponente = FIGURADETALHADA.ItemComponente WHERE "
    "PECA.CodigoPeca = 100 AND FIGURADETALHADA.NumeroParte = 1 ORDER BY 1,2,3",
    "SELECT DISTINCT " ITEM_ORDER " AS ItemComponenteOrderBy,PECA_COMPONENTE.FlagOpcionalComponente,"
    "PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo,PECA_COMPONENTE.CodigoComponente,PECA_COMPONENTE.ItemComponente,"
    "PECA_COMPONENTE.QuantidadeComponente,COMPONENTE.DescricaoComponenteP AS DescricaoComponente,"
    "Format(COMPONENTE.NumeroEmpresaComponente, '0000 000 000') AS NumeroEmpresaComponente,PECA_COMPONENTE.ImagensGrid "
    "FROM ((PECA INNER JOIN PECA_COMPONENTE ON PECA.CodigoPeca = PECA_COMPONENTE.CodigoPeca) LEFT JOIN "
    "PECA_COMPONENTE_JOGOREPARO ON PECA_COMPONENTE.CodigoPeca = PECA_COMPONENTE_JOGOREPARO.CodigoPeca AND "
    "PECA_COMPONENTE.ItemComponente = PECA_COMPONENTE_JOGOREPARO.ItemComponente) INNER JOIN COMPONENTE ON "
    "PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente WHERE PECA.CodigoPeca = 100 AND NOT EXISTS(SELECT 1 "
    "FROM FIGURADETALHADA WHERE PECA.CodigoFigura = FIGURADETALHADA.CodigoFigura AND PECA_COMPONENTE.ItemComponente = "
    "FIGURADETALHADA.ItemComponente) ORDER BY 1,2,3",
    "SELECT DISTINCT PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo,JOGOREPARO.DescricaoJogoReparoP AS "
    "DescricaoJogoReparo,Format(JOGOREPARO.NumeroEmpresaJogoReparo, '0000 000 000') AS NumeroEmpresaJogoReparo FROM "
    "PECA_COMPONENTE_JOGOREPARO INNER JOIN JOGOREPARO ON PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo = "
    "JOGOREPARO.CodigoJogoReparo WHERE PECA_COMPONENTE_JOGOREPARO.CodigoPeca = 100 AND "
    "PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo IN (1,2) ORDER BY PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo",
};

}  // namespace

TEST(JetCatalogue, EveryStatementOfTheCatalogueRuns)
{
    JetDb db;
    for (const char* ddl : kSchema)
        db.exec(QString::fromUtf8(ddl));
    for (const char* sql : kStatements) {
        SCOPED_TRACE(sql);
        try {
            db.exec(QString::fromUtf8(sql));
        } catch (const platform::Error& e) {
            ADD_FAILURE() << e.what();
        }
    }
}

#include "update/scriptatualizacao.h"

#include "update/caminhos.h"

#include "core/datapath.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/textosproprios.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace Atualizacao {
namespace {

const QString kQuebra = QStringLiteral("<<vbCrLf>>");
const QString kSeparador = QStringLiteral("<<;>>");
const QString kFonteScript = QStringLiteral("ExecutaComandoScript");

bool SoEspacos(const QString& s)
{
    for (const QChar c : s) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

bool DentroCanonico(const QString& caminhoCanonico, const QString& pasta)
{
    const QString base = QFileInfo(pasta).canonicalFilePath();
    return !base.isEmpty() && caminhoCanonico.startsWith(ComBarra(base));
}

}  // namespace

QStringList DivideLinhasScript(const QString& texto)
{
    QStringList linhas = texto.split(QLatin1Char('\n'));
    for (QString& l : linhas) {
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    }
    return linhas;
}

QString PreencheModelo(const QString& modelo, const QString& linha)
{
    QString sql = modelo;
    const QStringList valores = linha.split(kSeparador);
    for (qsizetype k = valores.size(); k >= 1; --k) {
        const QString marca = QLatin1Char('?') + QString::number(k);
        const qsizetype pos = sql.indexOf(marca);
        if (pos >= 0)
            sql.replace(pos, marca.size(), valores[k - 1]);
    }
    return sql;
}

QStringList DivideComando(const QString& comando)
{
    QStringList partes;
    QString atual;
    bool entreAspas = false, temParte = false;
    for (const QChar c : comando) {
        if (c == QLatin1Char('"')) {
            entreAspas = !entreAspas;
            temParte = true;
        } else if ((c == QLatin1Char(' ') || c == QLatin1Char('\t')) && !entreAspas) {
            if (temParte)
                partes << atual;
            atual.clear();
            temParte = false;
        } else {
            atual += c;
            temParte = true;
        }
    }
    if (temParte)
        partes << atual;
    return partes;
}

QString ProgramaPermitido(const QString& nome, const QString& pastaDados, const QString& pastaPrograma)
{
    QString n = nome.trimmed();
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // The places the name may mean; a name that resolves to nothing inside
    // a folder (it climbs out, or is a link that leads out) counts as outside.
    QStringList candidatos;
    bool saiDaPasta = false;
    const auto acrescenta = [&](const QString& nomeNaPasta, const QString& pasta) {
        const QString c = QDir::isAbsolutePath(nomeNaPasta) ? nomeNaPasta
                                                            : Modulo::ResolveNomeDados(nomeNaPasta, ComBarra(pasta));
        if (c.isEmpty())
            saiDaPasta = true;
        else
            candidatos << c;
    };
    for (const QString& variante : {n, n.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) ? n.chopped(4) : QString()}) {
        if (variante.isEmpty())
            continue;
        if (QDir::isAbsolutePath(variante)) {
            acrescenta(variante, {});
        } else {
            acrescenta(variante, pastaDados);
            acrescenta(variante, pastaPrograma);
        }
    }
    const auto fora = [&] {
        return platform::Error(
            platform::errors::PermissionDenied,
            Modulo::TextoNoIdioma("O comando do script de atualização não pode ser executado: o programa "
                                  "\"%1\" não está na pasta de dados nem na pasta do programa.",
                                  "No se puede ejecutar el comando del script de actualización: el "
                                  "programa \"%1\" no está en la carpeta de datos ni en la del programa.",
                                  "The update script's command cannot be run: the program \"%1\" is "
                                  "neither in the data folder nor in the program folder.")
                .arg(nome),
            kFonteScript);
    };
    for (const QString& c : std::as_const(candidatos)) {
        const QFileInfo info(c);
        if (!info.isFile())
            continue;
        const QString canonico = info.canonicalFilePath();
        if (DentroCanonico(canonico, pastaDados) || DentroCanonico(canonico, pastaPrograma))
            return canonico;
        throw fora();
    }
    if (saiDaPasta)
        throw fora();
    throw platform::Error(platform::errors::FileNotFound,
                          Modulo::TextoNoIdioma("O comando do script de atualização não pode ser executado: o programa "
                                                "\"%1\" não foi encontrado.",
                                                "No se puede ejecutar el comando del script de actualización: no se "
                                                "encontró el programa \"%1\".",
                                                "The update script's command cannot be run: the program \"%1\" was "
                                                "not found.")
                              .arg(nome),
                          kFonteScript);
}

void InterpretadorScript::ExecutaComandoScript(const platform::dao::DatabasePtr& sBanco, const QString& sLinha)
{
    if (sLinha.contains(QLatin1Char('\n'))) {
        for (const QString& linha : DivideLinhasScript(sLinha))
            executaLinha(sBanco, linha);
        return;
    }
    executaLinha(sBanco, sLinha);
}

void InterpretadorScript::executaLinha(const platform::dao::DatabasePtr& banco, const QString& linha)
{
    if (SoEspacos(linha))
        return;
    const QString tipo = linha.left(2);
    const QString resto = linha.mid(2);
    QString sql;
    if (tipo == QLatin1String("B:")) {
        mModeloScript = resto;
        return;
    } else if (tipo == QLatin1String("E:")) {
        sql = resto;
    } else if (tipo == QLatin1String("S:")) {
        const QStringList partes = DivideComando(resto);
        if (partes.isEmpty())
            throw platform::Error(
                platform::errors::FileNotFound,
                Modulo::TextoNoIdioma("O comando do script de atualização não pode ser executado: a linha "
                                      "\"%1\" não nomeia um programa.",
                                      "No se puede ejecutar el comando del script de actualización: la "
                                      "línea \"%1\" no nombra un programa.",
                                      "The update script's command cannot be run: the line \"%1\" "
                                      "names no program.")
                    .arg(linha),
                kFonteScript);
        const QString programa = ProgramaPermitido(
            partes.first(), Modulo::gCaminhoDados, mPastaPrograma.isEmpty() ? Modulo::ObtemCaminhoApp(true) : mPastaPrograma);
        Modulo::ExecutaAguardando(programa, partes.mid(1), 1);
        return;
    } else if (tipo == QLatin1String("R:")) {
        Modulo::gReiniciarPeloLancador = true;
        return;
    } else {
        if (mModeloScript.isEmpty())
            return;
        sql = PreencheModelo(mModeloScript, linha);
    }
    if (sql.isEmpty())
        return;
    sql.replace(kQuebra, QStringLiteral("\r\n"));
    try {
        if (EhInstrucaoTransacao(sql))
            throw platform::Error(platform::dao::JetError::NotAllowedHere,
                                  Modulo::TextoNoIdioma("Instrução não permitida aqui. (As transações são da "
                                                        "execução da atualização.)",
                                                        "Instrucción no permitida aquí. (Las transacciones son de "
                                                        "la ejecución de la actualización.)",
                                                        "Statement not allowed here. (Transactions belong to the "
                                                        "update run.)"),
                                  kFonteScript);
        banco->SetUntrusted(true);
        banco->Execute(sql, platform::dao::dbFailOnError);
    } catch (const platform::Error& e) {
        // A statement that fails changes nothing; the script goes on.
        if (mRelator)
            mRelator(sql, e);
    }
}

bool EhInstrucaoTransacao(const QString& sql)
{
    static const QRegularExpression primeira(QStringLiteral("^[\\s(]*([A-Za-z]+)"));
    const QString palavra = primeira.match(sql).captured(1).toUpper();
    for (const char* p : {"BEGIN", "COMMIT", "END", "ROLLBACK", "SAVEPOINT", "RELEASE"})
        if (palavra == QLatin1String(p))
            return true;
    return false;
}

}  // namespace Atualizacao

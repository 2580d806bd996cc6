#include "output/report/compactacao.h"

#include "output/report/arquivos.h"

#include "platform/base/atomicfile.h"
#include "platform/base/error.h"
#include "platform/base/language.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>

#include <zip.h>

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <cstdio>
#include <memory>

namespace saida {
namespace {

const QString kOrigem = QStringLiteral("CompactaArquivos");

[[noreturn]] void falha(long numero, const QString& texto)
{
    throw platform::Error(numero, texto, kOrigem);
}

struct Descarta {
    void operator()(zip_t* z) const { zip_discard(z); }
};

}  // namespace

void CompactaArquivos(const QString& sArquivoZip, const QStringList& sArquivos)
{
    for (const QString& arquivo : sArquivos)
        if (!QFileInfo(arquivo).isFile())
            falha(platform::errors::FileNotFound,
                  platform::runTimeErrorText(platform::errors::FileNotFound, arquivo));

    const QFileInfo destino(sArquivoZip);
    if (!destino.absoluteDir().exists())
        falha(platform::errors::PathNotFound,
              platform::runTimeErrorText(platform::errors::PathNotFound, destino.absolutePath()));

    // A fresh hidden name beside the target, as short as the atomic file's
    // (any name the system takes can be the target's): libzip writes its own
    // temporary file beside that and renames it in at zip_close.
    const QString prefixo = platform::HiddenNamePrefix(destino.absoluteFilePath());
    QString temporario;
    for (int n = 0;; ++n) {
        temporario = prefixo + QStringLiteral("%1.%2.tmp").arg(::getpid()).arg(n);
        if (!QFileInfo::exists(temporario))
            break;
    }
    const QByteArray nomeTemp = QFile::encodeName(temporario);

    int erro = 0;
    std::unique_ptr<zip_t, Descarta> zip(zip_open(nomeTemp.constData(), ZIP_CREATE | ZIP_EXCL, &erro));
    if (!zip) {
        zip_error_t ze;
        zip_error_init_with_code(&ze, erro);
        const int sys = zip_error_code_system(&ze);
        const QString texto = QString::fromLocal8Bit(zip_error_strerror(&ze));
        zip_error_fini(&ze);
        falha(sys ? NumeroErroArquivo(sys) : platform::errors::DeviceIOError,
              platform::textInLanguage("Não foi possível criar \"%1\": %2", "No se pudo crear \"%1\": %2",
                                       "Cannot create \"%1\": %2")
                  .arg(sArquivoZip, texto));
    }
    for (const QString& arquivo : sArquivos) {
        const QByteArray caminho = QFile::encodeName(arquivo);
        zip_source_t* fonte = zip_source_file(zip.get(), caminho.constData(), 0, -1);
        const QByteArray nome = QFileInfo(arquivo).fileName().toUtf8();
        if (!fonte || zip_file_add(zip.get(), nome.constData(), fonte, ZIP_FL_ENC_UTF_8) < 0) {
            if (fonte)
                zip_source_free(fonte);
            falha(platform::errors::DeviceIOError,
                  platform::textInLanguage("Não foi possível acrescentar \"%1\" a \"%2\": %3",
                                           "No se pudo añadir \"%1\" a \"%2\": %3",
                                           "Cannot add \"%1\" to \"%2\": %3")
                      .arg(arquivo, sArquivoZip, QString::fromLocal8Bit(zip_strerror(zip.get()))));
        }
        // JPEG pages do not shrink: store them as they are.
        zip_set_file_compression(zip.get(), zip_uint64_t(zip_get_num_entries(zip.get(), 0) - 1), ZIP_CM_STORE, 0);
    }
    if (zip_close(zip.get()) < 0) {
        const int sys = zip_error_code_system(zip_get_error(zip.get()));
        const QString texto = QString::fromLocal8Bit(zip_strerror(zip.get()));
        QFile::remove(temporario);
        falha(sys ? NumeroErroArquivo(sys) : platform::errors::DeviceIOError,
              TextoErroGravacao(sArquivoZip, texto));
    }
    zip.release();  // closed
    if (std::rename(nomeTemp.constData(), QFile::encodeName(sArquivoZip).constData()) != 0) {
        const int e = errno;
        QFile::remove(temporario);
        falha(NumeroErroArquivo(e), TextoErroGravacao(sArquivoZip, QString::fromLocal8Bit(std::strerror(e))));
    }
}

}  // namespace saida

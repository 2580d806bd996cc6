#pragma once
// The update log "ATUALIZACAO.LOG" of the data folder: what went wrong in
// the database step of an update run.  Script statements that fail are
// skipped and the script goes on; each is written here with its script, line,
// error number and message, then the outcome of the run's transaction; a
// transaction rolled back is written with its reason.  Nothing is written
// for a run whose statements all succeed.
//
// The log is UTF-8 text appended at the end of the database step and forced
// to disk; a log that cannot be written does not fail the run.

#include <QString>
#include <QStringList>

namespace Atualizacao {

class RegistroAtualizacao {
public:
    explicit RegistroAtualizacao(QString arquivo) : m_arquivo(std::move(arquivo)) {}

    // One statement that failed.
    void Falha(const QString& script, int linha, long numero, const QString& mensagem, const QString& texto);
    bool Vazio() const { return m_linhas.isEmpty(); }
    const QStringList& Linhas() const { return m_linhas; }

    // Appends the run's lines under `cabecalho`, closed by `conclusao`, when
    // there is any or `sempre` is set; returns false when the file could not
    // be written.
    bool Grava(const QString& cabecalho, const QString& conclusao, bool sempre = false);

private:
    QString m_arquivo;
    QStringList m_linhas;
};

}  // namespace Atualizacao

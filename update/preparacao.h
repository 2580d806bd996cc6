#pragma once
// The file side of an update run that must survive a crash: the staging
// folder that receives the downloads, and the move of a staged file over its
// target.
//
// Downloads go to a staging folder beside their targets (inside the data
// folder, so on its file system), emptied when a run starts and removed when
// it ends.  A staged file is flushed to disk, given its permissions and
// renamed over its target (never deleted first), and then the folder that
// holds the target is flushed, so after a crash at any moment each target is
// either its old or its new version.  Folders an entry needs are created
// the same way: the new folder, then its parent flushed.
//
// Errors are raised as platform::Error with the run time's numbers (75 a
// folder or move that fails, 57 a flush that fails, 61 disk full), the
// message naming the file.

#include <QString>

namespace Atualizacao {

class PastaPreparacao {
public:
    // The staging folder `kPastaPreparacao` inside `pastaMae` (ending in "/").
    explicit PastaPreparacao(const QString& pastaMae);
    ~PastaPreparacao();

    // Removes whatever an interrupted run left there and creates the empty
    // folder (mode 0700).
    void Prepara();
    // Removes the folder and all it holds; never raises.  Safe twice.
    void Remove();

    // The folder, ending in "/".
    const QString& Caminho() const { return m_caminho; }
    bool Preparada() const { return m_preparada; }

private:
    QString m_caminho;
    bool m_preparada = false;
};

// Removes a file, a link (not what it points to) or a folder with all it
// holds, never following links; never raises.
void RemoveCaminho(const QString& caminho);

// Forces the content of a file, or the entries of a folder, to disk.
void Sincroniza(const QString& caminho);

// Creates a folder (its parent exists) and flushes the parent; an existing
// folder is kept.
void CriaPastaSincronizada(const QString& pasta);

// Mode bits for MoveArquivo: the target's present mode (0644 for a new target),
// or a program's (the target's with execute bits, 0755 for a new target).
enum class ModoArquivo { Dados, Programa };

// Moves the staged file `origem` over `destino` (same file system): the
// file gets its mode and is flushed, renamed over the target, and the
// target's folder is flushed.  The target is never deleted first.
void MoveArquivo(const QString& origem, const QString& destino, ModoArquivo modo);

}  // namespace Atualizacao

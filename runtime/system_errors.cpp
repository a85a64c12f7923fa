#include "runtime/system_errors.hpp"

#include <cerrno>

namespace runtime {
namespace {

const char* ourText(int error) {
    switch (error) {
    case ENOSPC:
        return LAVORO1_TRANSLATABLE("runtime", "disco pieno");
    case EDQUOT:
        return LAVORO1_TRANSLATABLE("runtime", "quota del disco esaurita");
    case EFBIG:
        return LAVORO1_TRANSLATABLE("runtime", "file oltre la dimensione massima consentita");
    case EACCES:
    case EPERM:
        return LAVORO1_TRANSLATABLE("runtime", "permesso negato");
    case ENOENT:
        return LAVORO1_TRANSLATABLE("runtime", "file o cartella inesistente");
    case ENOTDIR:
        return LAVORO1_TRANSLATABLE("runtime", "una parte del percorso non è una cartella");
    case EROFS:
        return LAVORO1_TRANSLATABLE("runtime", "file system di sola lettura");
    case EISDIR:
        return LAVORO1_TRANSLATABLE("runtime", "è una cartella");
    case ENAMETOOLONG:
        return LAVORO1_TRANSLATABLE("runtime", "nome troppo lungo");
    case EIO:
        return LAVORO1_TRANSLATABLE("runtime", "errore di lettura o scrittura del dispositivo");
    case ENOMEM:
        return LAVORO1_TRANSLATABLE("runtime", "memoria esaurita");
    case ELOOP:
        return LAVORO1_TRANSLATABLE("runtime", "troppi collegamenti simbolici, forse in cerchio");
    case EILSEQ:
        return LAVORO1_TRANSLATABLE("runtime", "nome non in UTF-8");
    case ENOEXEC:
        return LAVORO1_TRANSLATABLE("runtime", "non è un programma eseguibile");
    case ETXTBSY:
        return LAVORO1_TRANSLATABLE("runtime", "file in uso");
    case EMFILE:
    case ENFILE:
        return LAVORO1_TRANSLATABLE("runtime", "troppi file aperti");
    case EAGAIN:
        return LAVORO1_TRANSLATABLE("runtime", "risorse temporaneamente esaurite");
    default:
        return nullptr;
    }
}

} // namespace

std::string systemErrorText(int error) {
    if (const char* text = ourText(error)) {
        return translated("runtime", text);
    }
    const char* const otherError = LAVORO1_TRANSLATABLE("runtime", "errore di sistema %1");
    return filled(translated("runtime", otherError), {std::to_string(error)});
}

} // namespace runtime

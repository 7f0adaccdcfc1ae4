#include "store/store_messages.h"

#include <cerrno>

namespace vyr::textos {

std::string Motivo(int err) {
    switch (err) {
        case ENOSPC: return "No queda espacio en el disco.";
        case EDQUOT: return "Se ha agotado la cuota de disco.";
        case EFBIG: return "El fichero ha alcanzado su tamaño máximo.";
        case EACCES:
        case EPERM: return "No hay permiso de escritura.";
        case EROFS:
        case EBADF: return "El fichero o el disco es de solo lectura.";
        case EIO: return "Error de entrada/salida en el disco.";
        case ENOENT: return "El fichero o la carpeta no existe.";
        default: return "Error del sistema " + std::to_string(err) + ".";
    }
}

std::string NoAnadidas(int n) { return std::to_string(n) + " frecuencias no añadidas: índice lleno"; }

std::string NoSeAbre(const std::string& fichero, int err) {
    return "No se puede abrir " + fichero + "\n" + Motivo(err);
}

std::string NoSeEscribe(const std::string& fichero, int err) {
    return "No se puede escribir " + fichero + "\n" + Motivo(err);
}

std::string RegistroDanado(int numreg) {
    return "No se puede escribir datos.vyr\nfrecuencias.vyr está dañado: el registro " +
           std::to_string(numreg) + " no pertenece a una sola frecuencia.";
}

}  // namespace vyr::textos

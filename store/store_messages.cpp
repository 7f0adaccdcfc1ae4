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
        case EROFS: return "El disco es de solo lectura.";
        case EBADF: return "El fichero o el disco es de solo lectura.";
        case EIO: return "Error de entrada/salida en el disco.";
        case ENOENT: return "El fichero o la carpeta no existe.";
        case EISDIR: return "En su lugar hay una carpeta.";
        case ENOTDIR: return "Una parte de la ruta no es una carpeta.";
        case ELOOP: return "Demasiados enlaces simbólicos en la ruta.";
        case ENXIO: return "No es un fichero corriente.";
        default: return "Error del sistema " + std::to_string(err) + ".";
    }
}

std::string NoAnadidas(int n) { return std::to_string(n) + " frecuencias no añadidas: índice lleno"; }

std::string NoAplicadas(int n) { return std::to_string(n) + " líneas no aplicadas: registro dañado"; }

std::string NoSeAbre(const std::string& fichero, int err) {
    return "No se puede abrir " + fichero + "\n" + Motivo(err);
}

std::string NoSeCrea(const std::string& fichero, const std::string& carpeta, int err) {
    return "No se puede crear " + fichero + " en la carpeta " + carpeta + "\n" + Motivo(err);
}

std::string NoSeLee(const std::string& fichero, int err) {
    return "No se puede leer " + fichero + "\n" + Motivo(err);
}

std::string NoSeEscribe(const std::string& fichero, int err) {
    return "No se puede escribir " + fichero + "\n" + Motivo(err);
}

std::string NoSeEscribeCarpeta(const std::string& carpeta, int err) {
    return "No se puede escribir en la carpeta " + carpeta + "\n" + Motivo(err);
}

std::string RegistroDanado(int numreg) {
    return "No se puede escribir datos.vyr\nfrecuencias.vyr está dañado: el registro " +
           std::to_string(numreg) + " no pertenece a una sola frecuencia.";
}

}  // namespace vyr::textos

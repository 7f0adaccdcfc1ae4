#pragma once
// Records every message and answers from a script (Ok/Si by default).
#include <deque>
#include <string>
#include <vector>

#include "ui/message_service.h"

namespace vyr::test {

struct Mensaje {
    std::string texto, titulo;
    ui::Botones botones;
    ui::Icono icono;
};

class FakeMessageService : public ui::MessageService {
public:
    ui::Respuesta Muestra(const std::string& texto, const std::string& titulo, ui::Botones b,
                          ui::Icono i) override {
        vistos.push_back({texto, titulo, b, i});
        if (!respuestas.empty()) {
            ui::Respuesta r = respuestas.front();
            respuestas.pop_front();
            return r;
        }
        return b == ui::Botones::SiNo ? ui::Respuesta::Si : ui::Respuesta::Ok;
    }
    std::vector<Mensaje> vistos;
    std::deque<ui::Respuesta> respuestas;
};

}  // namespace vyr::test

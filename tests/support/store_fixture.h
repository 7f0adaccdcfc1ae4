#pragma once
// A store on a fresh temporary folder, and the bytes on disk.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/fake_message_service.h"
#include "store/modulo.h"
#include "support/ficheros.h"

namespace vyr::test {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override { dir = CarpetaTemporal(); }
    void TearDown() override {
        m.reset();
        BorraCarpeta(dir);
    }
    std::string Ruta(const std::string& n) const { return dir + "/" + n; }
    std::string Bytes(const std::string& n) const { return LeeFichero(Ruta(n)); }
    void Pon(const std::string& n, const std::string& b) const { EscribeFichero(Ruta(n), b); }
    // Starts a store on the folder; false when start-up ended the program.
    bool Arranca(FileSystem& fs = SistemaPosix()) {
        m = std::make_unique<Modulo>(dir, msg, fs);
        return m->Arranca();
    }

    std::string dir;
    FakeMessageService msg;
    std::unique_ptr<Modulo> m;
};

}  // namespace vyr::test

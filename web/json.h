// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trazalia::web {

// JSON written as it goes: the commas between members come by themselves. The page parses it,
// so texts go through as UTF-8 with only what JSON requires escaped.
class Json {
public:
    Json& Abrir(char c) {
        Valor();
        s_ += c;
        primero_.push_back(true);
        return *this;
    }
    Json& Cerrar(char c) {
        s_ += c;
        primero_.pop_back();
        return *this;
    }
    Json& Clave(std::string_view clave) {
        Texto(clave);
        s_ += ':';
        clave_ = true;
        return *this;
    }
    Json& Texto(std::string_view texto) {
        Valor();
        s_ += '"';
        for (const char c : texto) {
            if (c == '"' || c == '\\') {
                s_ += '\\';
                s_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                constexpr char kHex[] = "0123456789abcdef";
                s_ += "\\u00";
                s_ += kHex[c >> 4];
                s_ += kHex[c & 15];
            } else {
                s_ += c;
            }
        }
        s_ += '"';
        return *this;
    }
    Json& Entero(long long n) { return Crudo(std::to_string(n)); }
    Json& Logico(bool b) { return Crudo(b ? "true" : "false"); }
    // Already JSON: a number, or a value written by another Json.
    Json& Crudo(std::string_view json) {
        Valor();
        s_ += json;
        return *this;
    }
    const std::string& str() const { return s_; }

private:
    void Valor() {
        if (clave_) {
            clave_ = false;
            return;
        }
        if (primero_.empty()) return;
        if (!primero_.back()) s_ += ',';
        primero_.back() = false;
    }

    std::string s_;
    std::vector<bool> primero_;
    bool clave_ = false;
};

}  // namespace trazalia::web

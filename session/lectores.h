// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "session/pedido.h"

namespace trazalia::session {

// Whether the bytes are UTF-8 text.
bool EsUtf8(std::string_view bytes);

// A seed as the command line and the dialog take it: a number from 0 to 2^32 - 1, without sign.
std::optional<std::uint32_t> LeerSemilla(std::string_view texto);

// Each option's value, checked, into the request; or what is wrong with it, in the language of
// the context, as the option table's rows read them.
namespace lectores {

using Error = std::optional<std::string>;

// An error's text: the marked template in the context's language, with its values.
std::string Dicho(const Contexto& c, const char* plantilla,
                  std::initializer_list<std::string_view> valores = {});
// A value as given, between quotes.
std::string Entre(const Contexto& c, std::string_view texto);

Error Script(std::string_view v, Pedido& p, const Contexto& c);
Error Hoja(std::string_view v, Pedido& p, const Contexto& c);
Error Moodle(std::string_view v, Pedido& p, const Contexto& c);
Error Ejercicios(std::string_view v, Pedido& p, const Contexto& c);
Error Metodo(std::string_view v, Pedido& p, const Contexto& c);
// The words --metodo takes, from the registry, as a list: "paralelogramo, poligono, … o
// equilibrante".
std::string PalabrasDeMetodo(const Contexto& c);
Error Nivel(std::string_view v, Pedido& p, const Contexto& c);
Error Semilla(std::string_view v, Pedido& p, const Contexto& c);
Error Titulo(std::string_view v, Pedido& p, const Contexto& c);
Error Papel(std::string_view v, Pedido& p, const Contexto& c);
Error Dibujados(std::string_view v, Pedido& p, const Contexto& c);
Error FormatoDeMoodle(std::string_view v, Pedido& p, const Contexto& c);
Error Registro(std::string_view v, Pedido& p, const Contexto& c);
Error Csv(std::string_view v, Pedido& p, const Contexto& c);
Error Idioma(std::string_view v, Pedido& p, const Contexto& c);

}  // namespace lectores
}  // namespace trazalia::session

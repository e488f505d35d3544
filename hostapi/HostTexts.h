#pragma once

#include "hostapi/HostApiGlobal.h"

#include <QString>

namespace Host {

// A text of the host named by its resource identifier. The Czech wording is the host's
// own; it goes through the "Host" translation context so a translation can be added.
struct ORV_HOSTAPI_EXPORT HostText
{
    const char *source;
    QString text() const;
    operator QString() const { return text(); }
};

// The one table of host texts. Texts with "%1" take arguments through QString::arg().
// clang-format off
inline constexpr HostText _cMsgAtention           {"Upozornění"};
inline constexpr HostText _cMsgQuestion           {"Dotaz"};
inline constexpr HostText _cMsgError              {"Chyba"};
inline constexpr HostText _cPluginDSTreeLink      {"Záznamy zatříděné ve stromu"};
inline constexpr HostText _cPluginDSSelection     {"Záznamy výběru"};
inline constexpr HostText _cPluginDSFilter        {"Výsledek hledání"};
inline constexpr HostText _cPluginSetTreeLink     {"Zvolte složku stromu, jejíž záznamy se mají zpracovat."};
inline constexpr HostText _cPluginSetSelection    {"Zvolte výběr, jehož záznamy se mají zpracovat."};
inline constexpr HostText _cPluginSetFilter       {"Zvolte výsledek hledání, jehož záznamy se mají zpracovat."};
inline constexpr HostText _cPluginOperationCancel {"Přejete si operaci přerušit?"};
inline constexpr HostText _cButOK                 {"&OK"};
inline constexpr HostText _cButCancel             {"&Storno"};
inline constexpr HostText _cButHelp               {"&Nápověda"};
inline constexpr HostText _cButNext               {"&Další >"};
inline constexpr HostText _cButPrev               {"< &Zpět"};
inline constexpr HostText _rMsgDlgOK              {"OK"};
inline constexpr HostText _rMsgDlgCancel          {"Storno"};
inline constexpr HostText _cProfilManager         {"Správce profilů"};
inline constexpr HostText _cProfilOpen            {"Otevřít profil"};
inline constexpr HostText _cProfilOpenDialog      {"Vyberte složku profilu"};
inline constexpr HostText _cProfilClose           {"Zavřít profil"};
inline constexpr HostText _cProfilInfo            {"Profil %1 (pobočka %2)"};
inline constexpr HostText _cMixAdmin              {"Správce"};
inline constexpr HostText _cMixGuest              {"Host"};
inline constexpr HostText _cAPP_SetUser           {"Nastavení uživatele"};
inline constexpr HostText _cNoFullName            {"Zadejte jméno a příjmení uživatele."};
inline constexpr HostText _cNoLogName             {"Zadejte přihlašovací jméno uživatele."};
inline constexpr HostText _cNoDomName             {"Zadejte unikátní jméno uživatele."};
inline constexpr HostText _cNoValidName           {"Toto jméno je vyhrazeno pro vestavěného uživatele."};
inline constexpr HostText _cNoFullNameExists      {"Uživatel s tímto jménem už v profilu je."};
inline constexpr HostText _rErrLogNameExists      {"Uživatel s tímto přihlašovacím jménem už v profilu je."};
inline constexpr HostText _cNoDomNameExists       {"Uživatel s tímto unikátním jménem už v profilu je."};
inline constexpr HostText _cNoRecordExists        {"Záznam už neexistuje."};
inline constexpr HostText _rNoFirmExists          {"Firma už neexistuje."};
inline constexpr HostText _rNoPersonExists        {"Osoba už neexistuje."};
inline constexpr HostText _rNoNoteExists          {"Poznámka už neexistuje."};
inline constexpr HostText _rQuerySaveChanges      {"Uložit provedené změny?"};
inline constexpr HostText _cExplorerTree          {"Strom"};
inline constexpr HostText _cExplorerSelection     {"Výběr"};
inline constexpr HostText _cExplorerFilter        {"Výsledek hledání"};
// clang-format on

} // namespace Host

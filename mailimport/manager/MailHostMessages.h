#pragma once

#include <QString>

namespace Mail {

// The window messages between the mail import program and the host, and the program's
// single-instance rule. Messages go over the local IPC of platform/ipc; a window that does
// not listen means nothing is sent.
namespace MailHostMessages {

constexpr quint32 Refresh = 2124;       // WM_USER + 1100: show the stored changes
constexpr quint32 OpenFirm = 2046;      // WM_USER + 1022: wParam, lParam = CPCF, CF
constexpr quint32 OpenPerson = 2047;    // WM_USER + 1023: wParam, lParam = CPCO, CO
constexpr quint32 BringToFront = 1367;  // WM_USER + 343: posted by a second instance

QString hostWindowClass();              // "TFM_ContactMain"
QString mainWindowClass();              // "TFM_MailImportMain"
QString instanceName();                 // "OrvantaMailImport"

// Sent to the host and waited for; false when it does not listen or did not answer.
bool sendRefresh();
// Opens a firm (kind 1) or person (kind 2) in the host; false for another kind.
bool sendOpenSubject(int kind, qint64 cpc, qint64 c);

} // namespace MailHostMessages

} // namespace Mail

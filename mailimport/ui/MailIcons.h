#pragma once

#include <QList>
#include <QPixmap>

namespace MailUi {

// The pictures of the mail import's window, drawn in code so the program needs no image
// files: the list icon strip and the glyphs of the tool bar and the message view.
namespace MailIcons {

// 16×16: A already stored, B person, C firm, D attachment (the "$IA" … "$ID" icons).
QList<QPixmap> listIcons();
// 64×64 glyphs of the reload button: 0 stop, 1 load.
QList<QPixmap> reloadGlyphs();
// 64×64 glyph of the save button.
QPixmap saveGlyph();
// 16×16 pictures of the message view's bars.
QPixmap richBodyIcon();
QPixmap plainBodyIcon();
QPixmap attachIcon();
QPixmap linkIcon();

} // namespace MailIcons
} // namespace MailUi

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#if defined(ORV_VISUAL_LIBRARY)
#define ORV_VISUAL_EXPORT Q_DECL_EXPORT
#else
#define ORV_VISUAL_EXPORT Q_DECL_IMPORT
#endif

// Enumerations used by the controls' properties, in the order the forms know them.
enum class THorizontalAlignment { haLeft, haCenter, haRight };
enum class TVerticalAlignment { vaTop, vaCenter, vaBottom };
enum class TBackgroundStyle { bsOpaque, bsTransparent };
enum class TEllipsesStyle { esNone, esEnd, esPath };
enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
enum class TButtonStyle { bsAutoDetect, bsWin31, bsNew };
enum class TActivationEvent { aeClick, aeMouseDown };
enum class TEdgeType { etNone, etBump, etEtched, etRaised, etSunken };
enum class TProgressPanelOrientation { ppoOneLine, ppoMultiLine };

namespace Visual {

// The control library's own user texts.
inline QString _cButHelp() { return QCoreApplication::translate("Visual", "&Nápověda"); }
inline QString _cButCancel() { return QCoreApplication::translate("Visual", "&Storno"); }
inline QString _cButOK() { return QCoreApplication::translate("Visual", "&OK"); }
inline QString _cButNext() { return QCoreApplication::translate("Visual", "Ne&xt"); }
inline QString _cButPrev() { return QCoreApplication::translate("Visual", "&Prev"); }
inline QString _rMsgDlgOK() { return QCoreApplication::translate("Visual", "OK"); }
inline QString _rMsgDlgCancel() { return QCoreApplication::translate("Visual", "Storno"); }
inline QString _rEvent() { return QCoreApplication::translate("Visual", "aktivit: "); }

} // namespace Visual

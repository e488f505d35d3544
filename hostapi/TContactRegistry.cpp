#include "hostapi/TContactRegistry.h"

#include "base/IniFile.h"
#include "base/Paths.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace Host {

namespace {

constexpr char LeftValue[] = "Left";
constexpr char TopValue[] = "Top";
constexpr char WidthValue[] = "Width";
constexpr char HeightValue[] = "Height";
constexpr char MaximizedValue[] = "Maximized";

QString normalizedKey(QString key)
{
    while (key.endsWith(u'\\'))
        key.chop(1);
    return key;
}

QRect fittedInto(QRect rect, const QRect &available)
{
    rect.setWidth(qMin(rect.width(), available.width()));
    rect.setHeight(qMin(rect.height(), available.height()));
    rect.moveLeft(qBound(available.left(), rect.left(), available.right() - rect.width() + 1));
    rect.moveTop(qBound(available.top(), rect.top(), available.bottom() - rect.height() + 1));
    return rect;
}

} // namespace

TContactRegistry::TContactRegistry(const QString &fileName)
    : m_ini(std::make_unique<Orv::IniFile>(fileName))
{
}

TContactRegistry::~TContactRegistry() = default;

QString TContactRegistry::defaultFileName()
{
    return Orv::programFile(QStringLiteral("registry.ini"));
}

QString TContactRegistry::absoluteKey(const QString &key) const
{
    if (key.startsWith(u"HKEY_", Qt::CaseInsensitive) || m_currentKey.isEmpty())
        return normalizedKey(key);
    return normalizedKey(m_currentKey + u'\\' + key);
}

bool TContactRegistry::keyExists(const QString &key) const
{
    const QString path = absoluteKey(key);
    const QString subkeyPrefix = path + u'\\';
    const QStringList sections = m_ini->sections();
    return std::any_of(sections.cbegin(), sections.cend(), [&](const QString &section) {
        return section.compare(path, Qt::CaseInsensitive) == 0
               || section.startsWith(subkeyPrefix, Qt::CaseInsensitive);
    });
}

bool TContactRegistry::openKey(const QString &key, bool canCreate)
{
    const QString path = absoluteKey(key);
    if (!keyExists(path)) {
        if (!canCreate)
            return false;
        // An empty section is how a key without values is kept: the ini file keeps a
        // section whose last value is deleted, as the Windows profile functions do.
        m_ini->writeString(path, QStringLiteral("_"), QString());
        m_ini->deleteKey(path, QStringLiteral("_"));
    }
    m_currentKey = path;
    return true;
}

QString TContactRegistry::currentKey() const
{
    return m_currentKey;
}

bool TContactRegistry::valueExists(const QString &name) const
{
    return !m_currentKey.isEmpty() && m_ini->valueExists(m_currentKey, name);
}

TContactRegistry::Lookup TContactRegistry::lookup(const QString &key, const QString &name) const
{
    const QString path = absoluteKey(key);
    if (!keyExists(path))
        return Lookup::KeyMissing;
    return m_ini->valueExists(path, name) ? Lookup::Found : Lookup::ValueMissing;
}

QString TContactRegistry::readString(const QString &name, const QString &defaultValue) const
{
    return m_ini->readString(m_currentKey, name, defaultValue);
}

int TContactRegistry::readInteger(const QString &name, int defaultValue) const
{
    return m_ini->readInteger(m_currentKey, name, defaultValue);
}

bool TContactRegistry::readBool(const QString &name, bool defaultValue) const
{
    return m_ini->readBool(m_currentKey, name, defaultValue);
}

void TContactRegistry::writeString(const QString &name, const QString &value)
{
    Q_ASSERT(!m_currentKey.isEmpty());
    m_ini->writeString(m_currentKey, name, value);
}

void TContactRegistry::writeInteger(const QString &name, int value)
{
    Q_ASSERT(!m_currentKey.isEmpty());
    m_ini->writeInteger(m_currentKey, name, value);
}

void TContactRegistry::writeBool(const QString &name, bool value)
{
    Q_ASSERT(!m_currentKey.isEmpty());
    m_ini->writeBool(m_currentKey, name, value);
}

void TContactRegistry::deleteValue(const QString &name)
{
    m_ini->deleteKey(m_currentKey, name);
}

QString TContactRegistry::positionKey(const QString &formName)
{
    return QStringLiteral("%1\\Positions\\%2").arg(QLatin1String(RegistryContact), formName);
}

bool TContactRegistry::OpenKeyPosition(const QString &formName)
{
    return openKey(positionKey(formName), true);
}

bool TContactRegistry::ReadPositionCorrect(QWidget *form) const
{
    for (const char *name : {LeftValue, TopValue, WidthValue, HeightValue}) {
        if (!valueExists(QLatin1String(name)))
            return false;
    }
    QRect stored(readInteger(QLatin1String(LeftValue)), readInteger(QLatin1String(TopValue)),
                 readInteger(QLatin1String(WidthValue)), readInteger(QLatin1String(HeightValue)));
    if (stored.width() <= 0 || stored.height() <= 0)
        return false;
    QScreen *screen = QGuiApplication::screenAt(stored.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    // The frame (title bar included) must land on the screen too, or the user cannot move the window.
    const QMargins frame = form->windowHandle() ? form->windowHandle()->frameMargins() : QMargins();
    const QRect rect = screen ? fittedInto(stored, screen->availableGeometry() - frame) : stored;
    form->setGeometry(rect);
    if (readBool(QLatin1String(MaximizedValue)))
        form->setWindowState(form->windowState() | Qt::WindowMaximized);
    return true;
}

void TContactRegistry::WritePosition(const QWidget *form)
{
    // The normal geometry, so that a maximised window comes back to its former size.
    const QRect rect = form->isMaximized() ? form->normalGeometry() : form->geometry();
    writeInteger(QLatin1String(LeftValue), rect.left());
    writeInteger(QLatin1String(TopValue), rect.top());
    writeInteger(QLatin1String(WidthValue), rect.width());
    writeInteger(QLatin1String(HeightValue), rect.height());
    writeBool(QLatin1String(MaximizedValue), form->isMaximized());
}

void TContactRegistry::CloseKey()
{
    m_ini->save();
    m_currentKey.clear();
}

} // namespace Host

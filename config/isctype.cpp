#include "isctype.h"

#include "bindbridge.h"

#include <QCoreApplication>

#include <utility>

namespace {

bool isPresent(const cfg_obj_t *obj)
{
    return obj != nullptr && !bindbridge_isvoid(obj);
}

QHostAddress addressOf(const cfg_obj_t *obj)
{
    char text[64];
    if (!bindbridge_address_text(obj, text, sizeof text))
        return {};
    return QHostAddress(QString::fromLatin1(text));
}

} // namespace

ISCType::ISCType(const cfg_obj_t *obj, const ISCTreeOwner &owner) : m_obj(obj), m_owner(owner) {}

ISCType::~ISCType() = default;

template <typename T> PISCType ISCType::make(const cfg_obj_t *obj, const ISCTreeOwner &owner)
{
    return PISCType(new T(obj, owner));
}

PISCType ISCType::create(const cfg_obj_t *obj, const ISCTreeOwner &owner)
{
    if (obj == nullptr)
        return {};
    // The first test that holds decides, so the order of the table is part of its meaning.
    using Wrap = PISCType (*)(const cfg_obj_t *, const ISCTreeOwner &);
    using Test = bool (*)(const cfg_obj_t *);
    static const std::pair<Test, Wrap> kinds[] = {
        {bindbridge_isvoid, &make<ISCVoid>},           {bindbridge_ismap, &make<ISCMap>},
        {bindbridge_istuple, &make<ISCTuple>},         {bindbridge_isuint32, &make<ISCUInt32>},
        {bindbridge_isuint64, &make<ISCUInt64>},       {bindbridge_isstring, &make<ISCString>},
        {bindbridge_isboolean, &make<ISCBool>},        {bindbridge_issockaddr, &make<ISCSockAddr>},
        {bindbridge_isnetprefix, &make<ISCNetPrefix>}, {bindbridge_islist, &make<ISCList>},
    };
    for (const auto &[test, wrapper] : kinds) {
        if (test(obj))
            return wrapper(obj, owner);
    }
    return {};
}

QString ISCType::file() const
{
    const char *name = bindbridge_file(m_obj);
    return name ? QString::fromUtf8(name) : QString();
}

unsigned int ISCType::line() const
{
    return bindbridge_line(m_obj);
}

QString ISCMap::kindMismatchMessage()
{
    return QCoreApplication::translate("HParser", "Expected map");
}

const cfg_obj_t *ISCMap::lookup(const QString &key) const
{
    const cfg_obj_t *result = nullptr;
    if (!bindbridge_map_get(m_obj, key.toUtf8().constData(), &result))
        return nullptr;
    return result;
}

bool ISCMap::contains(const QString &key) const
{
    return isPresent(lookup(key));
}

PISCType ISCMap::get(const QString &key) const
{
    return wrap(lookup(key));
}

PISCType ISCMap::get(const QString &key, PISCType &defaultValue) const
{
    const cfg_obj_t *result = lookup(key);
    return isPresent(result) ? wrap(result) : std::move(defaultValue);
}

QString ISCTuple::kindMismatchMessage()
{
    return QCoreApplication::translate("QObject", "Expected tuple");
}

const cfg_obj_t *ISCTuple::field(const QString &name) const
{
    return bindbridge_tuple_get(m_obj, name.toUtf8().constData());
}

bool ISCTuple::contains(const QString &field) const
{
    return isPresent(this->field(field));
}

PISCType ISCTuple::get(const QString &field) const
{
    return wrap(this->field(field));
}

PISCType ISCTuple::get(const QString &field, PISCType &defaultValue) const
{
    const cfg_obj_t *result = this->field(field);
    return isPresent(result) ? wrap(result) : std::move(defaultValue);
}

quint32 ISCUInt32::value() const
{
    return bindbridge_asuint32(m_obj);
}

quint64 ISCUInt64::value() const
{
    return bindbridge_asuint64(m_obj);
}

QString ISCString::kindMismatchMessage()
{
    return QCoreApplication::translate("HParser", "Expected string");
}

QString ISCString::value() const
{
    const char *text = bindbridge_asstring(m_obj);
    return text ? QString::fromUtf8(text) : QString();
}

bool ISCBool::value() const
{
    return bindbridge_asboolean(m_obj);
}

QHostAddress ISCSockAddr::value() const
{
    return addressOf(m_obj);
}

quint16 ISCSockAddr::port() const
{
    return bindbridge_sockaddr_port(m_obj);
}

QHostAddress ISCNetPrefix::value() const
{
    return addressOf(m_obj);
}

QString ISCList::kindMismatchMessage()
{
    return QCoreApplication::translate("HParser", "Expected list");
}

std::vector<PISCType> ISCList::items() const
{
    std::vector<PISCType> result;
    const unsigned int count = bindbridge_list_length(m_obj);
    if (count == 0)
        return result;
    result.reserve(count);
    const cfg_listelt_t *element = bindbridge_list_first(m_obj);
    for (unsigned int i = 0; i < count && element != nullptr; ++i) {
        result.push_back(wrap(bindbridge_listelt_value(element)));
        element = bindbridge_list_next(element);
    }
    return result;
}

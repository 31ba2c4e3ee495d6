#pragma once

#include "common/errorstackexception.h"

#include <QHostAddress>
#include <QString>

#include <memory>
#include <typeinfo>
#include <vector>

typedef struct cfg_obj cfg_obj_t;

class ISCType;
using PISCType = std::unique_ptr<ISCType>;

// Whatever keeps the parsed tree alive; every wrapper of the tree holds a share of it, so the
// library objects go away with the last wrapper and never before it.
using ISCTreeOwner = std::shared_ptr<const void>;

// A typed view of one object of BIND's configuration parser. The wrapper never owns or changes
// the object it points to.
class ISCType
{
public:
    ISCType(const ISCType &) = delete;
    ISCType &operator=(const ISCType &) = delete;
    virtual ~ISCType();

    // An empty handle for kinds that have no wrapper (durations, percentages, ...).
    static PISCType create(const cfg_obj_t *obj, const ISCTreeOwner &owner = {});

    QString file() const;
    unsigned int line() const;

protected:
    ISCType(const cfg_obj_t *obj, const ISCTreeOwner &owner);
    PISCType wrap(const cfg_obj_t *child) const { return create(child, m_owner); }

    const cfg_obj_t *const m_obj;

private:
    template <typename T> static PISCType make(const cfg_obj_t *obj, const ISCTreeOwner &owner);

    const ISCTreeOwner m_owner;
};

class ISCVoid : public ISCType
{
    using ISCType::ISCType;
    friend class ISCType;
};

class ISCMap : public ISCType
{
public:
    static QString kindMismatchMessage();

    // A key present with a void value counts as absent.
    bool contains(const QString &key) const;
    // An empty handle for an absent key; test with contains() first.
    PISCType get(const QString &key) const;
    // Moves the default out when the key is absent or void.
    PISCType get(const QString &key, PISCType &defaultValue) const;

private:
    using ISCType::ISCType;
    friend class ISCType;
    const cfg_obj_t *lookup(const QString &key) const;
};

class ISCTuple : public ISCType
{
public:
    static QString kindMismatchMessage();

    bool contains(const QString &field) const;
    // An empty handle for a field that the tuple's grammar does not define.
    PISCType get(const QString &field) const;
    PISCType get(const QString &field, PISCType &defaultValue) const;

private:
    using ISCType::ISCType;
    friend class ISCType;
    const cfg_obj_t *field(const QString &name) const;
};

class ISCUInt32 : public ISCType
{
public:
    quint32 value() const;

private:
    using ISCType::ISCType;
    friend class ISCType;
};

class ISCUInt64 : public ISCType
{
public:
    quint64 value() const;

private:
    using ISCType::ISCType;
    friend class ISCType;
};

class ISCString : public ISCType
{
public:
    static QString kindMismatchMessage();

    // Null when the library holds no text.
    QString value() const;

private:
    using ISCType::ISCType;
    friend class ISCType;
};

class ISCBool : public ISCType
{
public:
    bool value() const;

private:
    using ISCType::ISCType;
    friend class ISCType;
};

class ISCSockAddr : public ISCType
{
public:
    QHostAddress value() const;
    // 0 when the address comes without a port.
    quint16 port() const;

private:
    using ISCType::ISCType;
    friend class ISCType;
};

// The network address alone; the prefix length is dropped.
class ISCNetPrefix : public ISCType
{
public:
    QHostAddress value() const;

private:
    using ISCType::ISCType;
    friend class ISCType;
};

class ISCList : public ISCType
{
public:
    static QString kindMismatchMessage();

    // Nested lists stay single elements; an element without a wrapper is an empty handle.
    std::vector<PISCType> items() const;

private:
    using ISCType::ISCType;
    friend class ISCType;
};

// The wrapper as exactly T (not a subclass of it); an empty handle or another kind throws
// T's message.
template <typename T> T &iscCast(const PISCType &value)
{
    if (!value || typeid(*value) != typeid(T))
        throw ErrorStackException(T::kindMismatchMessage());
    return static_cast<T &>(*value);
}

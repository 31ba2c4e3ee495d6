#include "iscparser.h"

#include "bindbridge.h"
#include "common/errorstackexception.h"

#include <QObject>

PISCType ISCParser::parse(const QString &path)
{
    bindbridge_config_t *config = nullptr;
    const char *resultText = nullptr;
    const bindbridge_status_t status =
        bindbridge_parse(path.toUtf8().constData(), &config, &resultText);
    const QString reason = QString::fromUtf8(resultText);
    if (status == BINDBRIDGE_PARSER_FAILED)
        throw ErrorStackException(QObject::tr("Parser creation failed: %1").arg(reason));
    if (status != BINDBRIDGE_OK)
        throw ErrorStackException(QObject::tr("named.conf parsing failed: %1").arg(reason));

    // The tree and its contexts are released with the last wrapper that points into them.
    const ISCTreeOwner owner(config, bindbridge_config_free);
    return ISCType::create(bindbridge_config_root(config), owner);
}

#include "bindbridge.h"

#include <arpa/inet.h>
#include <isc/log.h>
#include <isc/mem.h>
#include <isc/netaddr.h>
#include <isc/result.h>
#include <isc/sockaddr.h>
#include <isccfg/cfg.h>
#include <isccfg/grammar.h>
#include <isccfg/namedconf.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { categoryCount = 8 };

struct bindbridge_config
{
    isc_mem_t *mctx;
    isc_log_t *lctx;
    isc_logconfig_t *lcfg;
    cfg_parser_t *parser;
    cfg_obj_t *root;
    /* The logging context keeps pointing into this table, so it lives as long as the context. */
    isc_logcategory_t categories[categoryCount + 1];
};

static const char *const categoryNames[categoryCount] = {
    "", "client", "network", "update", "queries", "unmatched", "update-security", "query-errors"};

static void setUpLogging(bindbridge_config_t *config)
{
    isc_log_create(config->mctx, &config->lctx, &config->lcfg);
    for (int i = 0; i < categoryCount; ++i) {
        config->categories[i].name = categoryNames[i];
        config->categories[i].id = 0;
    }
    config->categories[categoryCount].name = NULL;
    isc_log_registercategories(config->lctx, config->categories);
    isc_log_setcontext(config->lctx);

    isc_logdestination_t destination;
    memset(&destination, 0, sizeof destination);
    destination.file.stream = stderr;
    destination.file.name = NULL;
    destination.file.versions = ISC_LOG_ROLLNEVER;
    destination.file.maximum_size = 0;
    isc_log_createchannel(config->lcfg, "stderr", ISC_LOG_TOFILEDESC, ISC_LOG_DYNAMIC, &destination,
                          0);
}

static bindbridge_status_t fail(bindbridge_config_t *config, bindbridge_status_t status,
                                isc_result_t result, const char **resultText)
{
    *resultText = isc_result_totext(result);
    bindbridge_config_free(config);
    return status;
}

bindbridge_status_t bindbridge_parse(const char *path, bindbridge_config_t **config,
                                     const char **resultText)
{
    *config = NULL;
    *resultText = NULL;
    bindbridge_config_t *parsed = calloc(1, sizeof *parsed);
    if (parsed == NULL)
        return fail(NULL, BINDBRIDGE_PARSER_FAILED, ISC_R_NOMEMORY, resultText);

    isc_mem_debugging |= ISC_MEM_DEBUGRECORD;
    isc_mem_create(&parsed->mctx);
    setUpLogging(parsed);
    isc_result_t result = isc_log_usechannel(parsed->lcfg, "stderr", NULL, NULL);
    if (result == ISC_R_SUCCESS)
        result = cfg_parser_create(parsed->mctx, parsed->lctx, &parsed->parser);
    if (result != ISC_R_SUCCESS)
        return fail(parsed, BINDBRIDGE_PARSER_FAILED, result, resultText);

    result = cfg_parse_file(parsed->parser, path, &cfg_type_namedconf, &parsed->root);
    if (result != ISC_R_SUCCESS)
        return fail(parsed, BINDBRIDGE_PARSE_FAILED, result, resultText);
    *config = parsed;
    return BINDBRIDGE_OK;
}

const cfg_obj_t *bindbridge_config_root(const bindbridge_config_t *config)
{
    return config->root;
}

void bindbridge_config_free(bindbridge_config_t *config)
{
    if (config == NULL)
        return;
    if (config->root != NULL)
        cfg_obj_destroy(config->parser, &config->root);
    if (config->parser != NULL)
        cfg_parser_destroy(&config->parser);
    if (config->lctx != NULL) {
        /* A later parse may have made its own context the current one; leave that alone. */
        if (isc_lctx == config->lctx)
            isc_log_setcontext(NULL);
        isc_log_destroy(&config->lctx);
    }
    if (config->mctx != NULL)
        isc_mem_destroy(&config->mctx);
    free(config);
}

bool bindbridge_isvoid(const cfg_obj_t *obj)
{
    return obj != NULL && cfg_obj_isvoid(obj);
}

bool bindbridge_ismap(const cfg_obj_t *obj)
{
    return obj != NULL && cfg_obj_ismap(obj);
}

bool bindbridge_istuple(const cfg_obj_t *obj)
{
    return obj != NULL && cfg_obj_istuple(obj);
}

bool bindbridge_isuint32(const cfg_obj_t *obj)
{
    return obj != NULL && cfg_obj_isuint32(obj);
}

bool bindbridge_isuint64(const cfg_obj_t *obj)
{
    return obj != NULL && cfg_obj_isuint64(obj);
}

bool bindbridge_isstring(const cfg_obj_t *obj)
{
    return obj != NULL && cfg_obj_isstring(obj);
}

bool bindbridge_isboolean(const cfg_obj_t *obj)
{
    return obj != NULL && cfg_obj_isboolean(obj);
}

bool bindbridge_issockaddr(const cfg_obj_t *obj)
{
    return obj != NULL && cfg_obj_issockaddr(obj);
}

bool bindbridge_isnetprefix(const cfg_obj_t *obj)
{
    return obj != NULL && cfg_obj_isnetprefix(obj);
}

bool bindbridge_islist(const cfg_obj_t *obj)
{
    return obj != NULL && cfg_obj_islist(obj);
}

/* The library aborts the process when an accessor meets the wrong kind; these answer zero. */

uint32_t bindbridge_asuint32(const cfg_obj_t *obj)
{
    return bindbridge_isuint32(obj) ? cfg_obj_asuint32(obj) : 0;
}

uint64_t bindbridge_asuint64(const cfg_obj_t *obj)
{
    return bindbridge_isuint64(obj) ? cfg_obj_asuint64(obj) : 0;
}

const char *bindbridge_asstring(const cfg_obj_t *obj)
{
    return bindbridge_isstring(obj) ? cfg_obj_asstring(obj) : NULL;
}

bool bindbridge_asboolean(const cfg_obj_t *obj)
{
    return bindbridge_isboolean(obj) && cfg_obj_asboolean(obj);
}

bool bindbridge_address_text(const cfg_obj_t *obj, char *buffer, size_t size)
{
    isc_netaddr_t address;
    if (bindbridge_issockaddr(obj)) {
        isc_netaddr_fromsockaddr(&address, cfg_obj_assockaddr(obj));
    } else if (bindbridge_isnetprefix(obj)) {
        unsigned int prefixLength = 0;
        cfg_obj_asnetprefix(obj, &address, &prefixLength);
    } else {
        return false;
    }
    if (address.family == AF_INET)
        return inet_ntop(AF_INET, &address.type.in, buffer, (socklen_t)size) != NULL;
    if (address.family == AF_INET6)
        return inet_ntop(AF_INET6, &address.type.in6, buffer, (socklen_t)size) != NULL;
    return false;
}

uint16_t bindbridge_sockaddr_port(const cfg_obj_t *obj)
{
    return bindbridge_issockaddr(obj) ? isc_sockaddr_getport(cfg_obj_assockaddr(obj)) : 0;
}

bool bindbridge_map_get(const cfg_obj_t *map, const char *key, const cfg_obj_t **result)
{
    if (!bindbridge_ismap(map))
        return false;
    return cfg_map_get(map, key, result) == ISC_R_SUCCESS;
}

const cfg_obj_t *bindbridge_tuple_get(const cfg_obj_t *tuple, const char *field)
{
    if (!bindbridge_istuple(tuple))
        return NULL;
    /* The library treats a field its grammar lacks as a program error and aborts. */
    const cfg_tuplefielddef_t *fields = tuple->type->of;
    for (const cfg_tuplefielddef_t *f = fields; f->name != NULL; ++f) {
        if (strcmp(f->name, field) == 0)
            return cfg_tuple_get(tuple, field);
    }
    return NULL;
}

unsigned int bindbridge_list_length(const cfg_obj_t *list)
{
    return bindbridge_islist(list) ? cfg_list_length(list, false) : 0;
}

const cfg_listelt_t *bindbridge_list_first(const cfg_obj_t *list)
{
    return bindbridge_islist(list) ? cfg_list_first(list) : NULL;
}

const cfg_listelt_t *bindbridge_list_next(const cfg_listelt_t *element)
{
    return element != NULL ? cfg_list_next(element) : NULL;
}

const cfg_obj_t *bindbridge_listelt_value(const cfg_listelt_t *element)
{
    return element != NULL ? cfg_listelt_value(element) : NULL;
}

const char *bindbridge_file(const cfg_obj_t *obj)
{
    return obj != NULL ? cfg_obj_file(obj) : NULL;
}

unsigned int bindbridge_line(const cfg_obj_t *obj)
{
    return obj != NULL ? cfg_obj_line(obj) : 0;
}

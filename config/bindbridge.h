#pragma once

/*
 * The one door to BIND's configuration library. Its headers are C only, so they stay in
 * bindbridge.c; everything else sees the opaque parser object and these functions.
 */

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct cfg_obj cfg_obj_t;
typedef struct cfg_listelt cfg_listelt_t;

/* A parsed configuration together with the memory and logging contexts it lives in. */
typedef struct bindbridge_config bindbridge_config_t;

typedef enum {
    BINDBRIDGE_OK,
    BINDBRIDGE_PARSER_FAILED, /* the library could not set up its parser */
    BINDBRIDGE_PARSE_FAILED   /* the file is unreadable or not valid named.conf */
} bindbridge_status_t;

/*
 * Parses a file with the named.conf grammar; the library's diagnostics go to standard error.
 * On success *config owns the tree; otherwise nothing is kept and *resultText names the
 * library's result code.
 */
bindbridge_status_t bindbridge_parse(const char *path, bindbridge_config_t **config,
                                     const char **resultText);
const cfg_obj_t *bindbridge_config_root(const bindbridge_config_t *config);
void bindbridge_config_free(bindbridge_config_t *config);

bool bindbridge_isvoid(const cfg_obj_t *obj);
bool bindbridge_ismap(const cfg_obj_t *obj);
bool bindbridge_istuple(const cfg_obj_t *obj);
bool bindbridge_isuint32(const cfg_obj_t *obj);
bool bindbridge_isuint64(const cfg_obj_t *obj);
bool bindbridge_isstring(const cfg_obj_t *obj);
bool bindbridge_isboolean(const cfg_obj_t *obj);
bool bindbridge_issockaddr(const cfg_obj_t *obj);
bool bindbridge_isnetprefix(const cfg_obj_t *obj);
bool bindbridge_islist(const cfg_obj_t *obj);

uint32_t bindbridge_asuint32(const cfg_obj_t *obj);
uint64_t bindbridge_asuint64(const cfg_obj_t *obj);
const char *bindbridge_asstring(const cfg_obj_t *obj);
bool bindbridge_asboolean(const cfg_obj_t *obj);

/*
 * The address of a socket address or network prefix as text (inet_ntop form), written into
 * buffer; false when the object holds no IPv4 or IPv6 address or the buffer is too small.
 */
bool bindbridge_address_text(const cfg_obj_t *obj, char *buffer, size_t size);
/* The port of a socket address; 0 when it gives none. */
uint16_t bindbridge_sockaddr_port(const cfg_obj_t *obj);

/* True when the lookup succeeded; *result is then the clause's value. */
bool bindbridge_map_get(const cfg_obj_t *map, const char *key, const cfg_obj_t **result);
/* NULL for a field that the tuple's grammar does not define. */
const cfg_obj_t *bindbridge_tuple_get(const cfg_obj_t *tuple, const char *field);

unsigned int bindbridge_list_length(const cfg_obj_t *list);
const cfg_listelt_t *bindbridge_list_first(const cfg_obj_t *list);
const cfg_listelt_t *bindbridge_list_next(const cfg_listelt_t *element);
const cfg_obj_t *bindbridge_listelt_value(const cfg_listelt_t *element);

const char *bindbridge_file(const cfg_obj_t *obj);
unsigned int bindbridge_line(const cfg_obj_t *obj);

#ifdef __cplusplus
}
#endif

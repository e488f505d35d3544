#pragma once

// Debian's libpff headers include <libbfio.h> but no package ships it. libpff.h needs only
// the handle type, which libyal declares as an opaque intptr_t; we never pass one.
#include <stdint.h>

typedef intptr_t libbfio_handle_t;

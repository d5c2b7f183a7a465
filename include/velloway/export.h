/* What the library exports: it is built with hidden visibility, and only what carries
 * VELLOWAY_API (the C entry points, the public classes and calls) is seen by the programs that
 * link it. */
#ifndef VELLOWAY_EXPORT_H
#define VELLOWAY_EXPORT_H

#define VELLOWAY_API __attribute__((visibility("default")))

#endif /* VELLOWAY_EXPORT_H */

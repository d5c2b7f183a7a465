/* The library's C entry points: an in-process component server for clsVellowayDll, laid out
 * the way a host that loads component libraries at run time expects them. */
#ifndef VELLOWAY_VELLOWAY_H
#define VELLOWAY_VELLOWAY_H

#include <stdint.h>

#include "velloway/export.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t VwResult;

#define VW_S_OK ((VwResult)0)
#define VW_S_FALSE ((VwResult)1)
#define VW_E_NOINTERFACE ((VwResult)0x80004002u)
#define VW_E_POINTER ((VwResult)0x80004003u)
#define VW_E_FAIL ((VwResult)0x80004005u)
#define VW_E_UNEXPECTED ((VwResult)0x8000FFFFu)
#define VW_E_OUTOFMEMORY ((VwResult)0x8007000Eu)
#define VW_CLASS_E_NOAGGREGATION ((VwResult)0x80040110u)
#define VW_CLASS_E_CLASSNOTAVAILABLE ((VwResult)0x80040111u)
#define VW_SELFREG_E_CLASS ((VwResult)0x80040201u)

typedef struct VwGuid {
  uint32_t Data1;
  uint16_t Data2;
  uint16_t Data3;
  uint8_t Data4[8];
} VwGuid;

/* {6E0B7C1A-52D4-4C1E-9A3F-7D2B5E8C4A10} */
VELLOWAY_API extern const VwGuid CLSID_clsVellowayDll;
VELLOWAY_API extern const VwGuid IID_IUnknown;
VELLOWAY_API extern const VwGuid IID_IClassFactory;
VELLOWAY_API extern const VwGuid IID_clsVellowayDll;
/* The programmatic identifier registered for clsVellowayDll. */
#define VW_PROGID_clsVellowayDll "VellowayDLL.clsVellowayDll"

typedef struct VwUnknown VwUnknown;
typedef struct VwUnknownVtbl {
  VwResult (*QueryInterface)(VwUnknown* self, const VwGuid* iid, void** object);
  uint32_t (*AddRef)(VwUnknown* self);
  uint32_t (*Release)(VwUnknown* self);
} VwUnknownVtbl;
struct VwUnknown {
  const VwUnknownVtbl* vtbl;
};

typedef struct VwClassFactory VwClassFactory;
typedef struct VwClassFactoryVtbl {
  VwResult (*QueryInterface)(VwClassFactory* self, const VwGuid* iid, void** object);
  uint32_t (*AddRef)(VwClassFactory* self);
  uint32_t (*Release)(VwClassFactory* self);
  VwResult (*CreateInstance)(VwClassFactory* self, VwUnknown* outer, const VwGuid* iid,
                             void** object);
  VwResult (*LockServer)(VwClassFactory* self, int32_t lock);
} VwClassFactoryVtbl;
struct VwClassFactory {
  const VwClassFactoryVtbl* vtbl;
};

/* The one creatable class: Launch runs an import and reports nothing. */
typedef struct VwVellowayDll VwVellowayDll;
typedef struct VwVellowayDllVtbl {
  VwResult (*QueryInterface)(VwVellowayDll* self, const VwGuid* iid, void** object);
  uint32_t (*AddRef)(VwVellowayDll* self);
  uint32_t (*Release)(VwVellowayDll* self);
  VwResult (*Launch)(VwVellowayDll* self);
} VwVellowayDllVtbl;
struct VwVellowayDll {
  const VwVellowayDllVtbl* vtbl;
};

/* Writes the class's registration (class identifier, server path, programmatic identifier)
 * under the current user's classes in the registry store. */
VELLOWAY_API VwResult DllRegisterServer(void);
/* Removes what DllRegisterServer wrote. */
VELLOWAY_API VwResult DllUnregisterServer(void);
/* Hands out the class factory of clsVellowayDll. */
VELLOWAY_API VwResult DllGetClassObject(const VwGuid* clsid, const VwGuid* iid, void** object);
/* VW_S_OK when no object and no server lock is alive, VW_S_FALSE otherwise. */
VELLOWAY_API VwResult DllCanUnloadNow(void);

#ifdef __cplusplus
}
#endif

#endif /* VELLOWAY_VELLOWAY_H */

/* The records the host hands to PluginMain, and the callers and selectors of the SP layer.
 *
 * Every message begins with SPMessageData; the host keeps `globals` for the plug-in between
 * messages. Caller-specific records extend it (see AINotifier.h, AITool.h, AIMenu.h,
 * AIAnnotator.h). A record lives only for the duration of the call. */
#ifndef SDK_SPMESSAGE_H
#define SDK_SPMESSAGE_H

#include "ASTypes.h"
#include "SPBasic.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSPValidSPMessageData 0x53504D44 /* 'SPMD' */

typedef struct SPMessageData {
    intptr_t SPCheck;     /* kSPValidSPMessageData in every message of this host */
    SPPluginRef self;     /* the host's reference to the plug-in receiving the message */
    void* globals;        /* kept by the host for the plug-in; the plug-in owns what it points to */
    SPBasicSuite* basic;  /* valid for the duration of the call */
} SPMessageData;

/* The plug-in's single entry point. */
typedef ASErr (*SPPluginMainProc)(const char* caller, const char* selector, void* message);
#define kSPPluginMainName "PluginMain"

#define kSPInterfaceCaller "SP Interface"
#define kSPInterfaceStartupSelector "Startup"
#define kSPInterfaceShutdownSelector "Shutdown"
#define kSPInterfaceAboutSelector "About"

#define kSPAccessCaller "SP Access"
#define kSPAccessUnloadSelector "Unload"
#define kSPAccessReloadSelector "Reload"

#define kSPCacheCaller "SP Cache"
#define kSPPluginPurgeCachesSelector "Plug-in Purge"

#define kSPPropertiesCaller "SP Properties"
#define kSPPropertiesAcquireSelector "Acquire"
#define kSPPropertiesReleaseSelector "Release"

/* Messages of "SP Interface" and "SP Access" carry only the header. */
typedef struct SPInterfaceMessage {
    SPMessageData d;
} SPInterfaceMessage;

typedef struct SPAccessMessage {
    SPMessageData d;
} SPAccessMessage;

/* Message of "SP Properties": which property the host asks for. */
typedef struct SPPropertiesMessage {
    SPMessageData d;
    ai_int32 vendorID;
    ai_int32 propertyKey;
    ai_int32 propertyID;
    void* property;
    ai_int32 refCon;
    ai_int32 cacheable;
} SPPropertiesMessage;

#ifdef __cplusplus
}
#endif

#endif

/* A caller of the installed connectivity library: set-up succeeds only when the library loads its service
   module, which answers "class not registered" when it is missing. */
#include <zynapi.h>

#include <stdio.h>
#include <string.h>
#include <unistd.h>

int main(void) {
    ZYNInitParams params;
    ZYNRESULT hr;
    alarm(30);
    memset(&params, 0, sizeof params);
    hr = ZYNInitialize(&params, 0);
    if (hr != ZYN_S_OK)
        fprintf(stderr, "ZYNInitialize answered 0x%08x\n", (unsigned)hr);
    if (ZYNCleanUp() != ZYN_S_OK) {
        fprintf(stderr, "ZYNCleanUp failed\n");
        return 1;
    }
    return hr == ZYN_S_OK ? 0 : 1;
}

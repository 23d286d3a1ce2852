/* Reports the full-window-drag setting as its exit code (0 off, 1 on, 2 when the query
 * fails). A process of its own: a process reads the setting once and then keeps its copy,
 * so the driver cannot see another program's change through its own query. */
#include <windows.h>

int main(void) {
    BOOL on = FALSE;
    if (!SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &on, 0))
        return 2;
    return on ? 1 : 0;
}

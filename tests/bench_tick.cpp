// Prints the platform calls one poll tick makes on the simulated desktop, for the benchmark.
#include <stdio.h>

#include "control.h"
#include "desk.h"
#include "sim.h"

static void Report(const char *state)
{
    printf("%-34s %zu:", state, sim::Calls().size());
    for (const std::string &call : sim::Calls())
        printf(" %s", call.c_str());
    printf("\n");
}

int main()
{
    Desk desk;
    HWND main = desk.Main();
    for (int i = 0; i < 1000; i++)
        desk.Make("Decoy", "BrassKite decoy");
    desk.Make("D3D Window", "BrassKites");

    sim::ClearCalls();
    OnPollTick(main);
    printf("%-34s %zu calls\n", "Normal, no target (search)", sim::Calls().size());
    sim::ClearCalls();
    OnPollTick(main);
    Report("Normal, target known");
    SelectEditMode();
    sim::ClearCalls();
    OnPollTick(main);
    Report("Edit, target known");
    return 0;
}

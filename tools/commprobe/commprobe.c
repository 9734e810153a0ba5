/* commprobe: what a COM port delivers to a program that waits for bytes
   the way QSerialPort does on Windows. Built and run under Wine by
   scripts/windows-serial before the tool itself, so that a failure can be
   told apart: the port, or the program.

     commprobe.exe [PORT]     (default \\.\COM5; the far end must answer
                               what it reads, as the simulated radio does)

   The port is opened overlapped and bound to an I/O completion port, with
   the comm mask EV_RXCHAR and a read interval time-out of MAXDWORD, as
   QSerialPort sets it. It writes the clone exchange's first request
   ("PROGRAM") and reports:

     1. whether WaitCommEvent completes, and whether its completion reaches
        the completion port (which is all QSerialPort listens to);
     2. whether an overlapped ReadFile started without waiting for the
        event brings the reply through the completion port.

   Exit status: 0 when the reply arrived (by either way), 2 when nothing
   arrived, 1 when the port cannot be opened. */
#include <stdio.h>
#include <windows.h>

static HANDLE g_completions;

/* The next completion within `ms`, or NULL. */
static OVERLAPPED *next_completion(DWORD ms, DWORD *bytes) {
    OVERLAPPED *which = NULL;
    ULONG_PTR key = 0;
    *bytes = 0;
    GetQueuedCompletionStatus(g_completions, bytes, &key, &which, ms);
    return which;
}

int main(int argc, char **argv) {
    const char *name = argc > 1 ? argv[1] : "\\\\.\\COM5";
    HANDLE port = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING,
                              FILE_FLAG_OVERLAPPED, NULL);
    if (port == INVALID_HANDLE_VALUE) {
        printf("%s cannot be opened (error %lu)\n", name, GetLastError());
        return 1;
    }
    DCB dcb;
    ZeroMemory(&dcb, sizeof dcb);
    dcb.DCBlength = sizeof dcb;
    GetCommState(port, &dcb);
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    SetCommState(port, &dcb);
    COMMTIMEOUTS timeouts;
    ZeroMemory(&timeouts, sizeof timeouts);
    timeouts.ReadIntervalTimeout = MAXDWORD;
    SetCommTimeouts(port, &timeouts);
    SetCommMask(port, EV_RXCHAR);
    g_completions = CreateIoCompletionPort(INVALID_HANDLE_VALUE, NULL, 0, 0);
    CreateIoCompletionPort(port, g_completions, 1, 0);

    static OVERLAPPED event, write, read;
    static char reply[64];
    DWORD mask = 0, bytes = 0;
    const BOOL eventAtOnce = WaitCommEvent(port, &mask, &event);
    const DWORD eventError = eventAtOnce ? 0 : GetLastError();
    WriteFile(port, "PROGRAM", 7, NULL, &write);

    int eventCompleted = 0, replyBytes = 0;
    DWORD started = GetTickCount();
    while (GetTickCount() - started < 2000 && !eventCompleted) {
        OVERLAPPED *which = next_completion(100, &bytes);
        if (which == &event)
            eventCompleted = 1;
    }
    printf("1. WaitCommEvent: %s, mask 0x%lx; its completion %s the completion port\n",
           eventAtOnce ? "completed at once" : (eventError == ERROR_IO_PENDING ? "pending" : "failed"),
           mask, eventCompleted ? "reached" : "never reached");

    ReadFile(port, reply, sizeof reply, NULL, &read);
    started = GetTickCount();
    while (GetTickCount() - started < 2000 && replyBytes == 0) {
        OVERLAPPED *which = next_completion(100, &bytes);
        if (which == &read) {
            replyBytes = (int)bytes;
            if (replyBytes == 0)
                ReadFile(port, reply, sizeof reply, NULL, &read);
        }
    }
    printf("2. ReadFile started without the event: %d bytes of reply through the completion port\n",
           replyBytes);
    CloseHandle(port);
    return replyBytes > 0 ? 0 : 2;
}

// Which device each of the eight port numbers (COM1 to COM8) stands for.
//
// Windows: COM1 to COM8 are the COM ports of those names.
// Linux (and other Unix systems): a fixed rule that does not depend on what
// is plugged in, so a remembered port stays the same cable:
//   COM1-COM4 = /dev/ttyUSB0-3  (USB serial adapters: FTDI, PL2303, CH340,
//                                CP210x; what programming cables are)
//   COM5-COM6 = /dev/ttyACM0-1  (USB CDC-ACM modems and adapters)
//   COM7-COM8 = /dev/ttyS0-1    (serial ports on the main board)
// macOS: the call-out devices of USB serial adapters, numbered in a sorted
// order: first /dev/cu.usbserial*, /dev/cu.wchusbserial* and
// /dev/cu.SLAB_USBtoUART* by name, then /dev/cu.usbmodem* by name. macOS
// names these devices by serial number or USB location, so there is no
// fixed numbering; sorting keeps the numbers steady while the same adapters
// stay plugged in. Call-out (cu.*) devices open without waiting for carrier.
#pragma once

#include <QString>
#include <QStringList>

constexpr int kPortNumbers = 8;

enum class PortPlatform { Windows, Linux, MacOS };

// The platform the program runs on (other Unix systems count as Linux).
PortPlatform currentPortPlatform();

// The device of port number 1 to 8 on a platform; empty for other numbers
// and, on macOS, when fewer adapters are present. `devEntries` are the
// names in /dev (only macOS needs them).
QString portDevice(int number, PortPlatform platform, const QStringList &devEntries);

// The same for the running platform (lists /dev on macOS).
QString portDevice(int number);

// The macOS adapter devices of a /dev listing, in port number order, as
// full paths.
QStringList macAdapterDevices(const QStringList &devEntries);

// The port number of a name "COM1" to "COM8" (any case), else 0.
int portNumberOfName(const QString &name);

// A Windows port as typed by the user, by its name ("COM12", "com12") or
// its device path ("\\.\COM12"), as the name QSerialPort opens: "COM12"
// (COM1 to COM255), or the device path as typed for a port of another
// name ("\\.\CNCA0"). Empty when it names no port.
QString windowsPortName(const QString &typed);

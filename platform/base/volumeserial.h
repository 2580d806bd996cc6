#pragma once
// The volume serial number of drive "C:", which the system puts into file
// and table names.  Here it is the machine's: the first eight hexadecimal
// digits of /etc/machine-id.

#include <QByteArray>
#include <QString>

namespace platform {

// The serial, upper-case and left-padded with "0" to eight digits; empty
// when /etc/machine-id cannot be read or does not start with a hexadecimal
// digit.  Each caller has its own fallback.
QString machineVolumeSerial();

// The same for a machine-id file's content.
QString volumeSerialFromMachineId(const QByteArray& content);

}  // namespace platform

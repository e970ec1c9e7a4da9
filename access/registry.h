// The registry accessor. It keeps nothing between calls: each operation
// opens one key, does its work and closes the key, so any number of
// accessors behave alike. Texts are GBK bytes handed to the ANSI functions.
#pragma once

#include <windows.h>

#include <string>

class 注册表类 {
public:
    // Key handle of `keyPath`, created with every missing key when `create`
    // is set; 0 when it can't be opened. The caller closes it.
    virtual HKEY openKey(const std::string& keyPath, bool create);
    // The value's bytes with every zero byte turned into CR LF; empty when it can't be read.
    virtual std::string readTextValue(const std::string& keyPath, const std::string& valueName);
    // The value's data bytes exactly; empty on failure. `type` gets the value's type once its size
    // is known, and stays untouched when the key can't be opened.
    virtual std::string readRawValue(const std::string& keyPath, const std::string& valueName, DWORD* type);
    // Stores `value` as REG_SZ without a terminating zero byte.
    virtual bool writeTextValue(const std::string& keyPath, const std::string& valueName, const std::string& value);
    virtual bool writeRawValue(const std::string& keyPath, const std::string& valueName, const std::string& data,
                               DWORD type);
    virtual ~注册表类() = default;
};

// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX_EXAMPLES__SECURITY_OPTIONS_HPP_
#define QUORVEX_EXAMPLES__SECURITY_OPTIONS_HPP_

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "fastrtps/rtps/attributes/PropertyPolicy.h"

namespace quorvex_examples
{

/// The files of a ROS 2 security enclave, in the order they are checked.
extern const char * const kEnclaveFiles[6];

/// How a program asks for DDS Security: its --keystore and --enclave options, and the ROS 2
/// environment variables ROS_SECURITY_ENABLE, ROS_SECURITY_STRATEGY, ROS_SECURITY_KEYSTORE and
/// ROS_SECURITY_ENCLAVE_OVERRIDE. Options win over the variables.
struct SecurityOptions
{
  std::string keystore;  // --keystore, empty when not given
  std::string enclave;  // --enclave, empty when not given
};

/// What was decided: no security, or the enclave directory whose files passed the checks.
struct SecuritySettings
{
  bool enabled = false;
  std::string enclave;  // the enclave's name, e.g. /quorvex/server
  std::string directory;  // absolute: <keystore>/enclaves/<enclave without leading '/'>
};

/// Security was asked for and cannot be given; the message names what is missing or wrong.
class SecurityError : public std::runtime_error
{
public:
  using std::runtime_error::runtime_error;
};

/// Fast DDS refused an endpoint of a secured participant: its enclave may not use the topic.
class EndpointNotPermitted : public SecurityError
{
public:
  EndpointNotPermitted(
    const std::string & topic, const std::string & action,
    const std::string & enclave)
  : SecurityError("the permissions of the enclave " + enclave + " do not let it " + action +
      " " + topic), topic_(topic) {}
  const std::string & topic() const {return topic_;}

private:
  std::string topic_;
};

/// Looks up an environment variable; empty when it is unset. Replaceable for tests.
using Environment = std::function<std::string(const std::string &)>;
std::string process_environment(const std::string & name);

/// Decides from `options` and `environment` whether the program runs secured. --keystore or
/// --enclave on the command line, or ROS_SECURITY_ENABLE=true with ROS_SECURITY_STRATEGY=Enforce,
/// make every problem fatal (SecurityError). ROS_SECURITY_ENABLE=true without Enforce runs
/// unsecured, with a line in `warnings`, when the keystore, the enclave or one of its files is
/// missing or unreadable; files that are there but wrong stay fatal, since Fast DDS could not
/// start with them either. The enclave's files are checked with check_enclave_files().
SecuritySettings resolve_security(
  const SecurityOptions & options, const Environment & environment,
  std::vector<std::string> & warnings);

/// Checks what Fast DDS would only report as "initialization error": that the six files exist
/// and are readable, parse (PEM certificates and key, S/MIME documents), that cert.pem chains to
/// identity_ca.cert.pem and is valid now, that key.pem is its key, and that governance.p7s and
/// permissions.p7s are signed by permissions_ca.cert.pem and that the permissions grant the
/// certificate's subject. Throws SecurityError naming the file at fault; `missing` is set when
/// the fault is a file that is missing or unreadable.
void check_enclave_files(const std::string & directory, bool * missing = nullptr);

/// The participant properties that turn on Fast DDS's built-in plugins (PKI-DH authentication,
/// Permissions access control, AES-GCM-GMAC cryptography) with the enclave's files.
void add_security_properties(
  const SecuritySettings & settings, eprosima::fastrtps::rtps::PropertyPolicy & properties);

/// The security every participant of this process joins its domain with, set once at start
/// before any participant is created (a process is one identity); unsecured until then.
void use_security_for_participants(const SecuritySettings & settings);
const SecuritySettings & participant_security();

/// What a program calls at start, before creating participants: resolve_security() with the
/// process's environment, its warnings written to standard error after `program: `, and the
/// result given to use_security_for_participants(). Throws SecurityError as resolve_security().
SecuritySettings start_security(const SecurityOptions & options, const std::string & program);

/// Takes --keystore or --enclave and its value from argv at `i` into `options`, advancing `i`;
/// false when argv[i] is neither. Throws std::invalid_argument when the value is missing.
bool take_security_option(int argc, char ** argv, int & i, SecurityOptions & options);

/// The --help text of the security options, shared by the programs.
extern const char kSecurityUsage[];

}  // namespace quorvex_examples

#endif  // QUORVEX_EXAMPLES__SECURITY_OPTIONS_HPP_

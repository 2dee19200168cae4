// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex_examples/security_options.hpp"

#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/pkcs7.h>
#include <openssl/x509.h>
#include <openssl/x509_vfy.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "quorvex_examples/command_line.hpp"

namespace quorvex_examples
{

const char * const kEnclaveFiles[6] = {
  "identity_ca.cert.pem", "permissions_ca.cert.pem", "cert.pem", "key.pem", "governance.p7s",
  "permissions.p7s"};

const char kSecurityUsage[] =
  "  --keystore DIR        run secured (DDS Security) with an enclave of this ROS 2 keystore\n"
  "                        (made with quorvex_keystore); needs --enclave\n"
  "  --enclave NAME        the enclave, e.g. /quorvex/server: <keystore>/enclaves/quorvex/server\n"
  "  ROS 2's variables work too, the options winning over them: ROS_SECURITY_ENABLE=true turns\n"
  "  security on with ROS_SECURITY_KEYSTORE and ROS_SECURITY_ENCLAVE_OVERRIDE; a missing\n"
  "  enclave then stops the program with ROS_SECURITY_STRATEGY=Enforce (and always with the\n"
  "  options), and otherwise runs it unsecured with a warning.\n";

namespace
{

struct BioFree {void operator()(BIO * bio) const {BIO_free(bio);}};
struct X509Free {void operator()(X509 * cert) const {X509_free(cert);}};
struct KeyFree {void operator()(EVP_PKEY * key) const {EVP_PKEY_free(key);}};
struct StoreFree {void operator()(X509_STORE * store) const {X509_STORE_free(store);}};
struct StoreContextFree
{
  void operator()(X509_STORE_CTX * context) const {X509_STORE_CTX_free(context);}
};
struct Pkcs7Free {void operator()(PKCS7 * document) const {PKCS7_free(document);}};
using Bio = std::unique_ptr<BIO, BioFree>;
using Certificate = std::unique_ptr<X509, X509Free>;
using Key = std::unique_ptr<EVP_PKEY, KeyFree>;
using Store = std::unique_ptr<X509_STORE, StoreFree>;

// The last OpenSSL error as text, and the queue emptied so that it says nothing later.
std::string openssl_error()
{
  const unsigned long code = ERR_peek_last_error();  // NOLINT(runtime/int)
  ERR_clear_error();
  if (code == 0) {
    return "no detail from OpenSSL";
  }
  char text[256];
  ERR_error_string_n(code, text, sizeof(text));
  return text;
}

[[noreturn]] void fail(const std::string & path, const std::string & problem)
{
  throw SecurityError(path + ": " + problem);
}

Bio open_file(const std::string & path)
{
  errno = 0;
  Bio bio(BIO_new_file(path.c_str(), "r"));
  if (!bio) {
    const int error = errno;
    ERR_clear_error();
    fail(path, error != 0 ? std::strerror(error) : "cannot be opened");
  }
  return bio;
}

Certificate read_certificate(const std::string & path)
{
  Bio bio = open_file(path);
  Certificate cert(PEM_read_bio_X509(bio.get(), nullptr, nullptr, nullptr));
  if (!cert) {
    fail(path, "not a PEM certificate (" + openssl_error() + ")");
  }
  return cert;
}

Store store_of(const Certificate & cert)
{
  Store store(X509_STORE_new());
  if (!store || X509_STORE_add_cert(store.get(), cert.get()) != 1) {
    throw std::bad_alloc();
  }
  return store;
}

std::string time_text(const ASN1_TIME * time)
{
  Bio bio(BIO_new(BIO_s_mem()));
  if (!bio || ASN1_TIME_print(bio.get(), time) != 1) {
    return "an unreadable date";
  }
  char * data = nullptr;
  const long length = BIO_get_mem_data(bio.get(), &data);  // NOLINT(runtime/int)
  return std::string(data, static_cast<size_t>(length));
}

std::string common_name(X509 * cert)
{
  X509_NAME * subject = X509_get_subject_name(cert);
  const int index = X509_NAME_get_index_by_NID(subject, NID_commonName, -1);
  if (index < 0) {
    return std::string();
  }
  const ASN1_STRING * data = X509_NAME_ENTRY_get_data(X509_NAME_get_entry(subject, index));
  return std::string(
    reinterpret_cast<const char *>(ASN1_STRING_get0_data(data)),
    static_cast<size_t>(ASN1_STRING_length(data)));
}

// cert.pem must chain to the identity CA and be valid now: Fast DDS checks both during the
// handshake, where a failure only shows as peers that never match.
void check_certificate(
  const std::string & path, const Certificate & cert, const Certificate & identity_ca,
  const std::string & identity_ca_path)
{
  Store store = store_of(identity_ca);
  std::unique_ptr<X509_STORE_CTX, StoreContextFree> context(X509_STORE_CTX_new());
  if (!context || X509_STORE_CTX_init(context.get(), store.get(), cert.get(), nullptr) != 1) {
    throw std::bad_alloc();
  }
  if (X509_verify_cert(context.get()) == 1) {
    return;
  }
  const int error = X509_STORE_CTX_get_error(context.get());
  X509 * at_fault = X509_STORE_CTX_get_current_cert(context.get());
  ERR_clear_error();
  const bool is_ca = at_fault != nullptr && X509_cmp(at_fault, identity_ca.get()) == 0;
  const std::string whose = is_ca ? identity_ca_path : path;
  switch (error) {
    case X509_V_ERR_CERT_HAS_EXPIRED:
      fail(whose, "the certificate expired on " + time_text(X509_get0_notAfter(at_fault)));
    case X509_V_ERR_CERT_NOT_YET_VALID:
      fail(
        whose, "the certificate is valid only from " +
        time_text(X509_get0_notBefore(at_fault)));
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT:
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT_LOCALLY:
    case X509_V_ERR_CERT_SIGNATURE_FAILURE:
      fail(path, "the certificate is not issued by the identity CA in " + identity_ca_path);
    default:
      fail(
        whose, std::string("the certificate does not verify: ") +
        X509_verify_cert_error_string(error));
  }
}

void check_key(const std::string & path, const Certificate & cert, const std::string & cert_path)
{
  Bio bio = open_file(path);
  Key key(PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr));
  if (!key) {
    fail(path, "not a PEM private key without passphrase (" + openssl_error() + ")");
  }
  if (X509_check_private_key(cert.get(), key.get()) != 1) {
    ERR_clear_error();
    fail(path, "not the key of the certificate in " + cert_path);
  }
}

// Verifies an S/MIME document against the permissions CA as the access-control plugin does
// (clear-signed, text), and returns its content.
std::string verified_document(
  const std::string & path, const Certificate & permissions_ca, const std::string & ca_path)
{
  Bio bio = open_file(path);
  BIO * content_raw = nullptr;
  std::unique_ptr<PKCS7, Pkcs7Free> document(SMIME_read_PKCS7(bio.get(), &content_raw));
  Bio content(content_raw);
  if (!document) {
    fail(path, "not an S/MIME signed document (" + openssl_error() + ")");
  }
  Store store = store_of(permissions_ca);
  Bio out(BIO_new(BIO_s_mem()));
  if (!out) {
    throw std::bad_alloc();
  }
  if (PKCS7_verify(
      document.get(), nullptr, store.get(), content.get(), out.get(), PKCS7_TEXT) != 1)
  {
    fail(
      path, "the signature does not verify against the permissions CA in " + ca_path +
      " (" + openssl_error() + ")");
  }
  char * data = nullptr;
  const long length = BIO_get_mem_data(out.get(), &data);  // NOLINT(runtime/int)
  return std::string(data, static_cast<size_t>(length));
}

bool is_true(const std::string & value)
{
  return value == "true";
}

}  // namespace

std::string process_environment(const std::string & name)
{
  const char * value = std::getenv(name.c_str());
  return value == nullptr ? std::string() : std::string(value);
}

namespace
{

// True when a <subject_name> element of the permissions document is exactly `subject`, blanks
// around it aside: a name that merely contains it (CN=/quorvex/c in CN=/quorvex/client) is not
// that subject's grant.
bool grants_subject(const std::string & permissions, const std::string & subject)
{
  static const std::string open = "<subject_name>", close = "</subject_name>";
  for (size_t start = permissions.find(open); start != std::string::npos;
    start = permissions.find(open, start))
  {
    start += open.size();
    const size_t end = permissions.find(close, start);
    if (end == std::string::npos) {
      return false;
    }
    const size_t first = permissions.find_first_not_of(" \t\r\n", start);
    const size_t last = permissions.find_last_not_of(" \t\r\n", end - 1);
    if (first < end && permissions.compare(first, last + 1 - first, subject) == 0) {
      return true;
    }
    start = end;
  }
  return false;
}

}  // namespace

void check_enclave_files(const std::string & directory, bool * missing)
{
  if (missing != nullptr) {
    *missing = false;
  }
  const std::string base = directory + "/";
  // Every file is looked for first, so that a missing one is reported as such.
  for (const char * file : kEnclaveFiles) {
    const std::string path = base + file;
    if (access(path.c_str(), R_OK) != 0) {
      const int error = errno;
      if (missing != nullptr) {
        *missing = true;
      }
      fail(path, std::strerror(error));
    }
  }
  const std::string identity_ca_path = base + "identity_ca.cert.pem";
  const std::string permissions_ca_path = base + "permissions_ca.cert.pem";
  const std::string cert_path = base + "cert.pem";
  const Certificate identity_ca = read_certificate(identity_ca_path);
  const Certificate permissions_ca = read_certificate(permissions_ca_path);
  const Certificate cert = read_certificate(cert_path);
  check_certificate(cert_path, cert, identity_ca, identity_ca_path);
  check_key(base + "key.pem", cert, cert_path);
  verified_document(base + "governance.p7s", permissions_ca, permissions_ca_path);
  const std::string permissions =
    verified_document(base + "permissions.p7s", permissions_ca, permissions_ca_path);
  const std::string subject = "CN=" + common_name(cert.get());
  if (!grants_subject(permissions, subject)) {
    fail(
      base + "permissions.p7s", "grants nothing to " + subject + ", the subject of " +
      cert_path);
  }
}

SecuritySettings resolve_security(
  const SecurityOptions & options, const Environment & environment,
  std::vector<std::string> & warnings)
{
  const bool from_options = !options.keystore.empty() || !options.enclave.empty();
  if (!from_options && !is_true(environment("ROS_SECURITY_ENABLE"))) {
    return SecuritySettings();
  }
  const bool enforce = from_options || environment("ROS_SECURITY_STRATEGY") == "Enforce";
  const std::string keystore = !options.keystore.empty() ? options.keystore :
    environment("ROS_SECURITY_KEYSTORE");
  const std::string enclave = !options.enclave.empty() ? options.enclave :
    environment("ROS_SECURITY_ENCLAVE_OVERRIDE");
  const char * const why = from_options ? "security is asked for on the command line" :
    "ROS_SECURITY_ENABLE=true";
  // Missing pieces stop an enforced program and leave the others unsecured, as in ROS 2.
  const auto missing = [&](const std::string & what) -> SecuritySettings {
      if (enforce) {
        throw SecurityError(std::string(why) + " but " + what);
      }
      warnings.push_back(
        std::string(why) + " but " + what + "; running UNSECURED (ROS_SECURITY_STRATEGY is " +
        "not Enforce)");
      return SecuritySettings();
    };
  if (keystore.empty()) {
    return missing("no keystore is given (--keystore or ROS_SECURITY_KEYSTORE)");
  }
  if (enclave.empty()) {
    return missing("no enclave is given (--enclave or ROS_SECURITY_ENCLAVE_OVERRIDE)");
  }
  if (enclave.front() != '/' || enclave.find("..") != std::string::npos ||
    enclave.find("//") != std::string::npos)
  {
    throw SecurityError(
            "the enclave name '" + enclave + "' is not an absolute path such as " +
            "/quorvex/server");
  }
  SecuritySettings settings;
  settings.enabled = true;
  settings.enclave = enclave;
  settings.directory = absolute_path(keystore) + "/enclaves" +
    (enclave == "/" ? std::string() : enclave);
  if (access(settings.directory.c_str(), R_OK | X_OK) != 0) {
    return missing(
      "the enclave " + enclave + " is not in the keystore: " + settings.directory +
      ": " + std::strerror(errno));
  }
  bool file_missing = false;
  try {
    check_enclave_files(settings.directory, &file_missing);
  } catch (const SecurityError & error) {
    if (!file_missing) {
      throw;
    }
    return missing(std::string("a file of the enclave is missing: ") + error.what());
  }
  return settings;
}

void add_security_properties(
  const SecuritySettings & settings, eprosima::fastrtps::rtps::PropertyPolicy & properties)
{
  if (!settings.enabled) {
    return;
  }
  const std::string file = "file://" + settings.directory + "/";
  auto & list = properties.properties();
  const std::string pki = "dds.sec.auth.builtin.PKI-DH.";
  const std::string access = "dds.sec.access.builtin.Access-Permissions.";
  list.emplace_back("dds.sec.auth.plugin", "builtin.PKI-DH");
  list.emplace_back(pki + "identity_ca", file + "identity_ca.cert.pem");
  list.emplace_back(pki + "identity_certificate", file + "cert.pem");
  list.emplace_back(pki + "private_key", file + "key.pem");
  list.emplace_back("dds.sec.access.plugin", "builtin.Access-Permissions");
  list.emplace_back(access + "permissions_ca", file + "permissions_ca.cert.pem");
  list.emplace_back(access + "governance", file + "governance.p7s");
  list.emplace_back(access + "permissions", file + "permissions.p7s");
  list.emplace_back("dds.sec.crypto.plugin", "builtin.AES-GCM-GMAC");
}

namespace
{

SecuritySettings & process_security()
{
  static SecuritySettings settings;
  return settings;
}

}  // namespace

SecuritySettings start_security(const SecurityOptions & options, const std::string & program)
{
  std::vector<std::string> warnings;
  const SecuritySettings settings = resolve_security(options, process_environment, warnings);
  for (const std::string & warning : warnings) {
    std::cerr << program << ": warning: " << warning << "\n";
  }
  use_security_for_participants(settings);
  return settings;
}

bool take_security_option(int argc, char ** argv, int & i, SecurityOptions & options)
{
  const std::string name = argv[i];
  if (name != "--keystore" && name != "--enclave") {
    return false;
  }
  if (i + 1 >= argc || argv[i + 1][0] == '\0') {
    throw std::invalid_argument(name + " needs a value");
  }
  (name == "--keystore" ? options.keystore : options.enclave) = argv[++i];
  return true;
}

void use_security_for_participants(const SecuritySettings & settings)
{
  process_security() = settings;
}

const SecuritySettings & participant_security()
{
  return process_security();
}

}  // namespace quorvex_examples

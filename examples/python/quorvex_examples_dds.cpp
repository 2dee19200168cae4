// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The extension module quorvex_examples_dds: the demo's Fast DDS glue for Python programs. Given
// a service class of quorvex.srv it does what rclpy and a middleware do: it takes the service's
// _TYPE_SUPPORT (the C dispatch handle), resolves rosidl_typesupport_fastrtps_c through it, and
// makes, fills and reads the C records with the message classes' capsules
// (_CREATE_ROS_MESSAGE, _CONVERT_FROM_PY, _CONVERT_TO_PY, _DESTROY_ROS_MESSAGE).

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "quorvex/srv/plan_motion.h"
#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/solve_ik.h"
#include "quorvex/srv/solve_ik.hpp"
#include "quorvex_examples/c_records.hpp"
#include "quorvex_examples/loopback_participant.hpp"
#include "quorvex_examples/message_topic_type.hpp"
#include "quorvex_examples/planning.hpp"
#include "quorvex_examples/security_options.hpp"
#include "quorvex_examples/service_endpoints.hpp"
#include "quorvex_examples/transport_options.hpp"
#include "record_conversions.hpp"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_fastrtps_c/identifier.h"
#include "rosidl_typesupport_introspection_c/identifier.h"
#include "rosidl_typesupport_introspection_c/message_introspection.h"

namespace
{

// --- C records known only through a message class's capsules ---

struct MessageFunctions
{
  void * (* create)();
  void (* destroy)(void *);
  bool (* convert_from_py)(PyObject *, void *);
  PyObject * (* convert_to_py)(void *);
  size_t size;  // of the record, from the introspection type support
};

// The glue's record lifecycles are plain function pointers; each message class gets one of
// these slots, whose functions reach its capsules' functions.
constexpr size_t kSlots = 8;
MessageFunctions g_slots[kSlots];
size_t g_slots_used = 0;

template<size_t Slot>
quorvex_examples::RecordLifecycle slot_lifecycle()
{
  return quorvex_examples::RecordLifecycle{
    []() -> void * {return g_slots[Slot].create();},
    [](void * record) {g_slots[Slot].destroy(record);},
    [](void * from, void * to) {
      // A C record owns its memory through plain pointers: swapping its bytes moves it.
      std::vector<unsigned char> held(g_slots[Slot].size);
      std::memcpy(held.data(), to, held.size());
      std::memcpy(to, from, held.size());
      std::memcpy(from, held.data(), held.size());
    }};
}

template<size_t... Slots>
quorvex_examples::RecordLifecycle lifecycle_of_slot(size_t slot, std::index_sequence<Slots...>)
{
  const quorvex_examples::RecordLifecycle lifecycles[] = {slot_lifecycle<Slots>()...};
  return lifecycles[slot];
}

template<typename Function>
bool capsule_function(PyObject * message_class, const char * name, Function & function)
{
  PyObject * capsule = PyObject_GetAttrString(message_class, name);
  if (capsule == nullptr) {
    return false;
  }
  void * pointer = capsule == Py_None ? nullptr : PyCapsule_GetPointer(capsule, nullptr);
  Py_DECREF(capsule);
  if (pointer == nullptr) {
    if (!PyErr_Occurred()) {
      PyErr_Format(PyExc_RuntimeError, "%s is not set: the type support was not imported", name);
    }
    return false;
  }
  function = reinterpret_cast<Function>(pointer);
  return true;
}

// The functions of a message class, in a slot; -1 with an exception set on failure.
int message_slot(PyObject * message_class, MessageFunctions & functions)
{
  const rosidl_message_type_support_t * dispatch = nullptr;
  if (!capsule_function(message_class, "_CREATE_ROS_MESSAGE", functions.create) ||
    !capsule_function(message_class, "_DESTROY_ROS_MESSAGE", functions.destroy) ||
    !capsule_function(message_class, "_CONVERT_FROM_PY", functions.convert_from_py) ||
    !capsule_function(message_class, "_CONVERT_TO_PY", functions.convert_to_py) ||
    !capsule_function(message_class, "_TYPE_SUPPORT", dispatch))
  {
    return -1;
  }
  const rosidl_message_type_support_t * introspection =
    get_message_typesupport_handle(dispatch, rosidl_typesupport_introspection_c__identifier);
  if (introspection == nullptr) {
    PyErr_SetString(PyExc_RuntimeError, "the message has no introspection type support");
    return -1;
  }
  functions.size =
    static_cast<const rosidl_typesupport_introspection_c__MessageMembers *>(
    introspection->data)->size_of_;
  for (size_t slot = 0; slot < g_slots_used; ++slot) {
    if (g_slots[slot].create == functions.create) {
      return static_cast<int>(slot);
    }
  }
  if (g_slots_used == kSlots) {
    PyErr_SetString(PyExc_RuntimeError, "too many message classes");
    return -1;
  }
  g_slots[g_slots_used] = functions;
  return static_cast<int>(g_slots_used++);
}

// A C record made from a Python message, destroyed with the scope.
class Record
{
public:
  explicit Record(const MessageFunctions & functions)
  : functions_(functions), record_(functions.create()) {}
  ~Record()
  {
    if (record_ != nullptr) {
      functions_.destroy(record_);
    }
  }
  Record(const Record &) = delete;
  Record & operator=(const Record &) = delete;
  void * get() const {return record_;}

private:
  const MessageFunctions & functions_;
  void * record_;
};

// --- waiting without holding the GIL, stopped by Python's signal handlers ---

// A wait's cancellation: runs Python's signal handlers (this is the main thread); an exception
// they raise (KeyboardInterrupt, SystemExit) ends the wait and stays set for the caller.
bool python_signal_pending()
{
  PyGILState_STATE state = PyGILState_Ensure();
  const bool stop = PyErr_CheckSignals() != 0;
  PyGILState_Release(state);
  return stop;
}

// --- Participant ---

// The transport options given as command-line words (--network, --bind ADDR, --peer ADDR), read
// by the parser the C++ programs use, with ROS_LOCALHOST_ONLY; sets ValueError when they are not
// such options.
bool parse_transport_words(PyObject * words, quorvex_examples::TransportOptions & options)
{
  PyObject * sequence = PySequence_Fast(words, "the transport options must be a sequence");
  if (sequence == nullptr) {
    return false;
  }
  std::vector<std::string> texts;
  const Py_ssize_t count = PySequence_Fast_GET_SIZE(sequence);
  for (Py_ssize_t i = 0; i < count; ++i) {
    Py_ssize_t size = 0;
    const char * text = PyUnicode_AsUTF8AndSize(PySequence_Fast_GET_ITEM(sequence, i), &size);
    // A NUL inside would cut the word short where the parser reads it: "198.18.0.1\0junk".
    if (text != nullptr && std::strlen(text) != static_cast<size_t>(size)) {
      PyErr_SetString(PyExc_ValueError, "a transport option holds a NUL character");
      text = nullptr;
    }
    if (text == nullptr) {
      Py_DECREF(sequence);
      return false;
    }
    texts.emplace_back(text, static_cast<size_t>(size));
  }
  Py_DECREF(sequence);
  std::vector<char *> argv;
  for (std::string & text : texts) {
    argv.push_back(text.data());
  }
  const int argc = static_cast<int>(argv.size());
  std::string error;
  for (int i = 0; i < argc; ++i) {
    const auto parsed =
      quorvex_examples::parse_transport_option(argc, argv.data(), i, options, error);
    if (parsed != quorvex_examples::TransportOptionParse::kParsed) {
      PyErr_SetString(
        PyExc_ValueError, parsed == quorvex_examples::TransportOptionParse::kInvalid ?
        error.c_str() : "not a transport option");
      return false;
    }
  }
  int64_t unused_domain = 0;
  return quorvex_examples::read_ros_environment(options, true, unused_domain, error);
}

struct Participant
{
  PyObject_HEAD
  quorvex_examples::LoopbackParticipant * participant;
};

int participant_init(Participant * self, PyObject * args, PyObject *)
{
  unsigned int domain = 0;
  const char * name = nullptr;
  PyObject * transport_words = nullptr;
  if (!PyArg_ParseTuple(args, "Is|O", &domain, &name, &transport_words)) {
    return -1;
  }
  quorvex_examples::ParticipantOptions options;
  if (transport_words != nullptr && !parse_transport_words(transport_words, options.transport)) {
    return -1;
  }
  try {
    delete self->participant;
    self->participant = new quorvex_examples::LoopbackParticipant(domain, name, options);
  } catch (const std::exception & error) {
    self->participant = nullptr;
    PyErr_SetString(PyExc_RuntimeError, error.what());
    return -1;
  }
  return 0;
}

void participant_dealloc(Participant * self)
{
  PyTypeObject * type = Py_TYPE(self);
  delete self->participant;
  type->tp_free(reinterpret_cast<PyObject *>(self));
  Py_DECREF(type);
}

PyType_Slot participant_slots[] = {
  {Py_tp_doc, const_cast<char *>(
      "Participant(domain, name, transport_words=()): a Fast DDS participant on shared memory,\n"
      "and UDPv4 when transport_words (e.g. ['--network', '--peer', ADDR]) ask for it")},
  {Py_tp_new, reinterpret_cast<void *>(PyType_GenericNew)},
  {Py_tp_init, reinterpret_cast<void *>(participant_init)},
  {Py_tp_dealloc, reinterpret_cast<void *>(participant_dealloc)},
  {0, nullptr},
};

PyType_Spec participant_spec = {
  "quorvex_examples_dds.Participant", sizeof(Participant), 0, Py_TPFLAGS_DEFAULT,
  participant_slots};

// --- ServiceClient ---

struct ServiceClient
{
  PyObject_HEAD
  PyObject * participant;  // kept alive while the client uses it
  MessageFunctions request;
  MessageFunctions response;
  quorvex_examples::ServiceClient * client;
};

int client_init(ServiceClient * self, PyObject * args, PyObject *)
{
  PyObject * participant_object = nullptr;
  const char * service_name = nullptr;
  PyObject * service_class = nullptr;
  if (!PyArg_ParseTuple(args, "OsO", &participant_object, &service_name, &service_class)) {
    return -1;
  }
  PyObject * participant_type = PyObject_GetAttrString(
    PyImport_AddModule("quorvex_examples_dds"), "Participant");
  const int is_participant = participant_type != nullptr ?
    PyObject_IsInstance(participant_object, participant_type) : -1;
  Py_XDECREF(participant_type);
  if (is_participant != 1) {
    if (is_participant == 0) {
      PyErr_SetString(PyExc_TypeError, "the first argument must be a Participant");
    }
    return -1;
  }
  auto participant = reinterpret_cast<Participant *>(participant_object);
  if (participant->participant == nullptr) {
    PyErr_SetString(PyExc_RuntimeError, "the participant was not created");
    return -1;
  }
  // As rclpy does: the service's type support, imported once.
  PyObject * imported = PyObject_CallMethod(service_class, "__import_type_support__", nullptr);
  Py_XDECREF(imported);
  PyObject * request_class = imported ? PyObject_GetAttrString(service_class, "Request") : nullptr;
  PyObject * response_class =
    request_class ? PyObject_GetAttrString(service_class, "Response") : nullptr;
  const rosidl_service_type_support_t * dispatch = nullptr;
  const int request_slot =
    response_class ? message_slot(request_class, self->request) : -1;
  const int response_slot = request_slot >= 0 ? message_slot(response_class, self->response) : -1;
  Py_XDECREF(request_class);
  Py_XDECREF(response_class);
  if (response_slot < 0 || !capsule_function(service_class, "_TYPE_SUPPORT", dispatch)) {
    return -1;
  }
  try {
    const rosidl_service_type_support_t * handle =
      quorvex_examples::service_handle_through_dispatch(
      dispatch, rosidl_typesupport_fastrtps_c__identifier);
    auto slots = std::make_index_sequence<kSlots>();
    delete self->client;
    self->client = nullptr;
    self->client = new quorvex_examples::ServiceClient(
      participant->participant->get(), service_name, handle,
      lifecycle_of_slot(static_cast<size_t>(request_slot), slots),
      lifecycle_of_slot(static_cast<size_t>(response_slot), slots));
  } catch (const quorvex_examples::EndpointNotPermitted & error) {
    PyErr_SetString(PyExc_PermissionError, error.what());
    return -1;
  } catch (const std::exception & error) {
    PyErr_SetString(PyExc_RuntimeError, error.what());
    return -1;
  }
  Py_INCREF(participant_object);
  Py_XSETREF(self->participant, participant_object);
  return 0;
}

void client_dealloc(ServiceClient * self)
{
  PyTypeObject * type = Py_TYPE(self);
  delete self->client;
  Py_XDECREF(self->participant);
  type->tp_free(reinterpret_cast<PyObject *>(self));
  Py_DECREF(type);
}

bool client_ready(ServiceClient * self)
{
  if (self->client == nullptr) {
    PyErr_SetString(PyExc_RuntimeError, "the client was not created");
    return false;
  }
  return true;
}

// wait_for_server(timeout_ms) -> bool
PyObject * client_wait_for_server(ServiceClient * self, PyObject * args)
{
  long long timeout_ms = 0;  // NOLINT(runtime/int)
  if (!PyArg_ParseTuple(args, "L", &timeout_ms) || !client_ready(self)) {
    return nullptr;
  }
  bool found;
  Py_BEGIN_ALLOW_THREADS
    found = self->client->wait_for_server(
    std::chrono::milliseconds(timeout_ms), python_signal_pending);
  Py_END_ALLOW_THREADS
  if (PyErr_Occurred()) {
    return nullptr;
  }
  return PyBool_FromLong(found);
}

PyObject * client_describe_matches(ServiceClient * self, PyObject *)
{
  if (!client_ready(self)) {
    return nullptr;
  }
  return PyUnicode_FromString(self->client->describe_matches().c_str());
}

// call(request, timeout_ms) -> response, or None when no reply came in time. The request goes
// through _CONVERT_FROM_PY into a C record, the reply comes back through _CONVERT_TO_PY.
PyObject * client_call(ServiceClient * self, PyObject * args)
{
  PyObject * request = nullptr;
  long long timeout_ms = 0;  // NOLINT(runtime/int)
  if (!PyArg_ParseTuple(args, "OL", &request, &timeout_ms) || !client_ready(self)) {
    return nullptr;
  }
  Record request_record(self->request);
  Record response_record(self->response);
  if (request_record.get() == nullptr || response_record.get() == nullptr) {
    return PyErr_NoMemory();
  }
  if (!self->request.convert_from_py(request, request_record.get())) {
    return nullptr;
  }
  eprosima::fastrtps::rtps::SampleIdentity request_id;
  bool sent;
  bool answered = false;
  Py_BEGIN_ALLOW_THREADS
    sent = self->client->send_request(request_record.get(), request_id);
  if (sent) {
    answered = self->client->wait_for_response(
      request_id, response_record.get(), std::chrono::milliseconds(timeout_ms),
      python_signal_pending);
  }
  Py_END_ALLOW_THREADS
  if (PyErr_Occurred()) {
    return nullptr;
  }
  if (!sent) {
    PyErr_SetString(PyExc_RuntimeError, "the request could not be sent");
    return nullptr;
  }
  if (!answered) {
    Py_RETURN_NONE;
  }
  return self->response.convert_to_py(response_record.get());
}

PyMethodDef client_methods[] = {
  {"wait_for_server", reinterpret_cast<PyCFunction>(client_wait_for_server), METH_VARARGS,
    "wait_for_server(timeout_ms) -> whether a server's endpoints were matched in time"},
  {"describe_matches", reinterpret_cast<PyCFunction>(client_describe_matches), METH_NOARGS,
    "describe_matches() -> what this client sees of servers"},
  {"call", reinterpret_cast<PyCFunction>(client_call), METH_VARARGS,
    "call(request, timeout_ms) -> the response, or None when no reply came in time"},
  {nullptr, nullptr, 0, nullptr},
};

PyType_Slot client_slots[] = {
  {Py_tp_doc, const_cast<char *>(
      "ServiceClient(participant, service_name, service_class): calls a quorvex.srv service")},
  {Py_tp_new, reinterpret_cast<void *>(PyType_GenericNew)},
  {Py_tp_init, reinterpret_cast<void *>(client_init)},
  {Py_tp_dealloc, reinterpret_cast<void *>(client_dealloc)},
  {Py_tp_methods, client_methods},
  {0, nullptr},
};

PyType_Spec client_spec = {
  "quorvex_examples_dds.ServiceClient", sizeof(ServiceClient), 0, Py_TPFLAGS_DEFAULT,
  client_slots};

// --- verification and setup ---

// check_plan_motion(request, response) / check_solve_ik(request, response) -> '' when the
// response is what the server must have answered, else what differs: the C++ client's checks,
// on the C++ records equal to the Python messages.
template<typename RequestT, typename ResponseT>
PyObject * check(
  PyObject * args, std::string (* check_response)(const RequestT &, const ResponseT &))
{
  PyObject * request = nullptr;
  PyObject * response = nullptr;
  if (!PyArg_ParseTuple(args, "OO", &request, &response)) {
    return nullptr;
  }
  RequestT cpp_request;
  ResponseT cpp_response;
  if (!quorvex_examples_dds::to_cpp(request, cpp_request) ||
    !quorvex_examples_dds::to_cpp(response, cpp_response))
  {
    return nullptr;
  }
  return PyUnicode_FromString(check_response(cpp_request, cpp_response).c_str());
}

PyObject * check_plan_motion(PyObject *, PyObject * args)
{
  return check(args, quorvex_examples::check_plan_motion_response);
}

PyObject * check_solve_ik(PyObject *, PyObject * args)
{
  return check(args, quorvex_examples::check_solve_ik_response);
}

PyObject * neutralize_fastdds_redirects(PyObject *, PyObject *)
{
  const std::vector<std::string> notes = quorvex_examples::neutralize_fastdds_redirects();
  PyObject * result = PyList_New(0);
  for (const std::string & note : notes) {
    PyObject * text = result ? PyUnicode_FromString(note.c_str()) : nullptr;
    if (text == nullptr || PyList_Append(result, text) != 0) {
      Py_XDECREF(text);
      Py_XDECREF(result);
      return nullptr;
    }
    Py_DECREF(text);
  }
  return result;
}

// The security of every participant made afterwards, as the C++ programs start theirs.
PyObject * use_security(PyObject *, PyObject * args)
{
  const char * keystore = nullptr;
  const char * enclave = nullptr;
  const char * program = nullptr;
  if (!PyArg_ParseTuple(args, "sss", &keystore, &enclave, &program)) {
    return nullptr;
  }
  try {
    const quorvex_examples::SecuritySettings settings =
      quorvex_examples::start_security({keystore, enclave}, program);
    if (!settings.enabled) {
      Py_RETURN_NONE;
    }
    return PyUnicode_FromString(settings.enclave.c_str());
  } catch (const std::exception & error) {
    PyErr_SetString(PyExc_ValueError, error.what());
    return nullptr;
  }
}

PyObject * transport_notice(PyObject *, PyObject * words)
{
  quorvex_examples::TransportOptions options;
  if (!parse_transport_words(words, options)) {
    return nullptr;
  }
  return PyUnicode_FromString(quorvex_examples::localhost_only_notice(options).c_str());
}

PyMethodDef module_methods[] = {
  {"use_security", use_security, METH_VARARGS,
    "use_security(keystore, enclave, program) -> the enclave of the participants made from now\n"
    "on, or None: unsecured. Empty arguments leave it to ROS 2's ROS_SECURITY_* variables.\n"
    "Raises ValueError when security is asked for and its files are missing or wrong."},
  {"check_plan_motion", check_plan_motion, METH_VARARGS,
    "check_plan_motion(request, response) -> '' when the response is right, else what differs"},
  {"check_solve_ik", check_solve_ik, METH_VARARGS,
    "check_solve_ik(request, response) -> '' when the response is right, else what differs"},
  {"neutralize_fastdds_redirects", neutralize_fastdds_redirects, METH_NOARGS,
    "neutralize_fastdds_redirects() -> notes on the Fast DDS settings that are now ignored"},
  {"transport_notice", transport_notice, METH_O,
    "transport_notice(transport_words) -> what ROS_LOCALHOST_ONLY overrules of them, or ''; "
    "ValueError when they are not valid transport options"},
  {nullptr, nullptr, 0, nullptr},
};

PyModuleDef module_definition = {
  PyModuleDef_HEAD_INIT, "quorvex_examples_dds",
  "The demo's Fast DDS glue for quorvex.srv services, as rclpy reaches a middleware.", -1,
  module_methods, nullptr, nullptr, nullptr, nullptr,
};

}  // namespace

PyMODINIT_FUNC PyInit_quorvex_examples_dds()
{
  PyObject * module = PyModule_Create(&module_definition);
  if (module == nullptr) {
    return nullptr;
  }
  for (PyType_Spec * spec : {&participant_spec, &client_spec}) {
    PyObject * type = PyType_FromSpec(spec);
    const char * name = std::strrchr(spec->name, '.') + 1;
    if (type == nullptr || PyModule_AddObjectRef(module, name, type) != 0) {
      Py_XDECREF(type);
      Py_DECREF(module);
      return nullptr;
    }
    Py_DECREF(type);
  }
  if (PyModule_AddStringConstant(module, "TRANSPORT_USAGE", quorvex_examples::kTransportUsage)) {
    Py_DECREF(module);
    return nullptr;
  }
  return module;
}

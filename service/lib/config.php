<?php
// The service's settings, given by service/start through the environment.

function config(string $name, string $default = ''): string {
  $value = getenv($name);
  return ($value === false || $value === '') ? $default : $value;
}

function state_dir(): string { return rtrim(config('MOXA_STATE', __DIR__ . '/../state'), '/'); }
function data_dir(): string { return rtrim(config('MOXA_DATA', __DIR__ . '/../../data'), '/'); }
// The web host and port of the service itself, e.g. "localhost:8720".
function service_host(): string { return strtolower(config('MOXA_HOST', 'localhost:8720')); }
// Free sites live at NAME + "." + this domain.
function service_domain(): string { return strtolower(config('MOXA_DOMAIN', service_host())); }
// The FTP host of the shared account, as the program is built with it.
function ftp_host(): string { return config('MOXA_FTP_HOST', '127.0.0.1:2121'); }
// The FTP server of own domains (host and port), handed out by getftpdetails.
function domain_ftp_host(): string { return config('MOXA_DOMAIN_FTP_HOST', '127.0.0.1'); }
function domain_ftp_port(): string { return config('MOXA_DOMAIN_FTP_PORT', '2122'); }
// The three domain-lookup hosts.
function lookup_hosts(): array {
  return array_map('strtolower', explode(',', config('MOXA_LOOKUP_HOSTS',
      'lookup1.localhost:8720,lookup2.localhost:8720,lookup3.localhost:8720')));
}

function ftp_root(): string { return state_dir() . '/ftp'; }
function site_folder(string $name): string { return ftp_root() . '/moxasites/' . $name; }
function domain_folder(string $domain): string { return ftp_root() . '/domains/' . $domain; }
function outbox_dir(): string { return state_dir() . '/outbox'; }

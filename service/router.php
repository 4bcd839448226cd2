<?php
// The reference hosting service: one router for PHP's built-in server.
// By host name: the service itself (the /wbx/ endpoints, the template
// library, the raw pages and pictures of hosted sites), the hosted sites
// (NAME + "." + the service domain, and own domains), and the three
// domain-lookup pages.
require_once __DIR__ . '/lib/config.php';
require_once __DIR__ . '/lib/db.php';
require_once __DIR__ . '/lib/names.php';
require_once __DIR__ . '/lib/records.php';
require_once __DIR__ . '/lib/serve.php';
require_once __DIR__ . '/lib/lookup.php';

// A request's value, from the query or a form post (a page list longer than
// the built-in server takes in a request line can be posted).
function arg(string $key): string {
  $value = $_POST[$key] ?? $_GET[$key] ?? '';
  return is_string($value) ? $value : '';
}

$host = strtolower($_SERVER['HTTP_HOST'] ?? service_host());
$path = rawurldecode(parse_url($_SERVER['REQUEST_URI'], PHP_URL_PATH) ?? '/');

$lookup = array_search($host, lookup_hosts(), true);
if ($lookup !== false) {
  serve_lookup_page((int)$lookup + 1, $host, $path);
  return true;
}

$domain = service_domain();
if (str_ends_with($host, '.' . $domain)) {
  $label = substr($host, 0, -strlen($domain) - 1);
  if (str_starts_with($label, 'www.')) $label = substr($label, 4);
  if (str_contains($label, '.')) {
    serve_own_domain($label . '.' . $domain, $path);
  } else {
    serve_hosted_site($label, $path);
  }
  return true;
}

if (preg_match('#^/wbx/([a-z]+)\.php$#', $path, $m) && is_file(__DIR__ . "/wbx/{$m[1]}.php")) {
  header('Content-Type: text/plain; charset=utf-8');
  require __DIR__ . "/wbx/{$m[1]}.php";
  return true;
}
if (preg_match('#^/wbx/templates/(\d+)/(.+)$#', $path, $m)) {
  serve_static_file(data_dir() . '/templates/' . $m[1], $m[2]);
  return true;
}
if (preg_match('#^/moxasites/([^/]+)/([^/]+)$#', $path, $m)) {
  serve_picture(site_folder(clean_site_name($m[1])), $m[2]);
  return true;
}
if (preg_match('#^/([^/]+)/([^/]+)\.html$#', $path, $m)) {
  serve_raw_page($m[1], $m[2] . '.html');
  return true;
}
if ($path === '/') {
  header('Content-Type: text/plain; charset=utf-8');
  echo "Moxa reference hosting service\n";
  return true;
}
not_found();
return true;

<?php
// Serving the hosted sites and the files they use.
require_once __DIR__ . '/names.php';

function not_found(): void {
  http_response_code(404);
  header('Content-Type: text/html; charset=utf-8');
  echo "<!DOCTYPE html>\n<html><head><title>Page not found</title></head>"
     . "<body><h1>Page not found</h1><p>There is no such page on this site.</p></body></html>\n";
}

function site_disabled(): void {
  http_response_code(403);
  header('Content-Type: text/html; charset=utf-8');
  echo "<!DOCTYPE html>\n<html><head><title>Site disabled</title></head>"
     . "<body><h1>This site is switched off</h1><p>Its owner has disabled it.</p></body></html>\n";
}

// The page's HTML from an uploaded "FILE.html.php", or null.
function wrapped_page_html(string $folder, string $page): ?string {
  if (!is_bare_file_name($page)) return null;
  $file = $folder . '/' . $page . '.php';
  if (!is_file($file)) return null;
  $html = null;
  (static function () use ($file, &$html) {
    include $file;
  })();
  return is_string($html) ? $html : null;
}

function print_page(?string $html): void {
  if ($html === null) {
    not_found();
    return;
  }
  header('Content-Type: text/html; charset=utf-8');
  echo $html;
}

// NAME + "." + the service domain: the front page reads `p`.
function serve_hosted_site(string $name, string $path): void {
  $account = find_account($name);
  if (!$account || $path !== '/') {
    not_found();
    return;
  }
  if (!$account['enabled']) {
    site_disabled();
    return;
  }
  print_page(wrapped_page_html(site_folder($account['unixname']), $_GET['p'] ?? 'index.html'));
}

function serve_own_domain(string $domain, string $path): void {
  $account = find_account_by_domain($domain);
  if (!$account || $path !== '/') {
    not_found();
    return;
  }
  $folder = domain_folder($account['domain']) . '/' . trim($account['ftppath'], '/');
  print_page(wrapped_page_html(rtrim($folder, '/'), $_GET['p'] ?? 'index.html'));
}

// "/NAME/FILE.html": the page as uploaded, for the login's download.
function serve_raw_page(string $name, string $page): void {
  $account = find_account(clean_site_name($name));
  print_page($account ? wrapped_page_html(site_folder($account['unixname']), $page) : null);
}

const MIME_TYPES = ['html' => 'text/html; charset=utf-8', 'css' => 'text/css', 'js' => 'text/javascript',
                    'jpg' => 'image/jpeg', 'jpeg' => 'image/jpeg', 'png' => 'image/png',
                    'gif' => 'image/gif', 'svg' => 'image/svg+xml', 'woff2' => 'font/woff2',
                    'woff' => 'font/woff', 'ttf' => 'font/ttf', 'ico' => 'image/x-icon',
                    'bmp' => 'image/bmp', 'webp' => 'image/webp'];

// A file below `$root`, never outside it.
function serve_static_file(string $root, string $relative, array $allowed = []): void {
  $base = realpath($root);
  $file = $base ? realpath($base . '/' . $relative) : false;
  $extension = strtolower(pathinfo((string)$file, PATHINFO_EXTENSION));
  if (!$file || !is_file($file) || !str_starts_with($file, $base . '/') || !isset(MIME_TYPES[$extension])
      || ($allowed && !in_array($extension, $allowed, true))) {
    not_found();
    return;
  }
  header('Content-Type: ' . MIME_TYPES[$extension]);
  header('Content-Length: ' . filesize($file));
  readfile($file);
}

function serve_picture(string $folder, string $name): void {
  if (!is_bare_file_name($name)) {
    not_found();
    return;
  }
  serve_static_file($folder, $name, ['jpg', 'jpeg', 'png', 'gif', 'bmp', 'webp']);
}

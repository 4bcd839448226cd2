<?php
// The FTP account of the site's own domain. A domain whose name begins with
// "pending" is not hosted yet: nothing is answered, as for a domain just
// registered.
$account = find_account(arg('id'));
if ($account && $account['domain'] !== '' && stripos($account['domain'], 'pending') !== 0) {
  // The user name is the domain without its port.
  $user = preg_replace('/:\d+$/', '', $account['domain']);
  $password = $account['ftppassword'] !== '' && $account['ftpusername'] === $user
      ? $account['ftppassword'] : bin2hex(random_bytes(6));
  update_account($account['unixname'], ['ftphost' => domain_ftp_host(), 'ftpusername' => $user,
                                        'ftppassword' => $password, 'ftpport' => domain_ftp_port(),
                                        'ftppath' => '/']);
  $folder = domain_folder($account['domain']);
  if (!is_dir($folder)) mkdir($folder, 0755, true);
  echo ftp_record(domain_ftp_host(), $user, $password, domain_ftp_port(), '/');
}
